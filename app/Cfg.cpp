#include "app/Cfg.h"

#include "probes/DxFiles.h"
#include "probes/DxFilesRules.h"
#include "probes/Sondes.h"
#include "ui/Exception.h"
#include "ui/Screen.h"

TFichePrinc* FichePrinc = nullptr;

TFichePrinc::TFichePrinc(sondes::Plateforme& plateforme)
    : ui::Form(kFormeFichePrinc), SysInfo(plateforme), plateforme_(plateforme) {
  LierControles();
  OnShow = [this](ui::Control* sender) { FormShow(sender); };
  BtnHelp->onClick = [this](ui::Control* s) { BtnHelpClick(s); };
  LMDMMButton2->onClick = [this](ui::Control* s) { LMDMMButton2Click(s); };
  LMDMMButton3->onClick = [this](ui::Control* s) { LMDMMButton3Click(s); };
  LMDMMButton1->onClick = [this](ui::Control* s) { LMDMMButton1Click(s); };
  BtnCheck->onClick = [this](ui::Control* s) { BtnCheckClick(s); };
  LBtnX->onClick = [this](ui::Control* s) { LBtnXClick(s); };
  // The guard acts once the window exists, while it is still being created.
  LMDOneInstance1.Verifier();
}

void TFichePrinc::LierControles() {
  auto lier = [this](auto*& membre, const char* nom) {
    membre = Controle<std::remove_reference_t<decltype(*membre)>>(nom);
  };
  lier(Image1, "Image1");
  lier(BtnHelp, "BtnHelp");
  lier(LMDMMButton2, "LMDMMButton2");
  lier(LMDMMButton3, "LMDMMButton3");
  lier(LMDMMButton1, "LMDMMButton1");
  lier(BtnCheck, "BtnCheck");
  lier(LBtnX, "LBtnX");
  lier(MemoConfig, "MemoConfig");
  lier(StatusBar, "StatusBar");
  lier(Tabs, "Tabs");
  lier(TabCPU, "TabCPU");
  lier(TabMemoire, "TabMemoire");
  lier(TabCV, "TabCV");
  lier(TabOS, "TabOS");
  lier(TabDX, "TabDX");
  ui::Label** const valeurs[kNbValeurs] = {&LblCPU, &LblVitesse, &LblTotalRAM, &LblVirtuel, &LblPage,
                                           &LblMarqueVideo, &LblHW, &LblRes, &LblMemoireVideo, &LblRefreshRate,
                                           &LblVerDrv, &LblIs3D, &LblVerOS, &LblAutreInfo, &LblDxVersion};
  for (int i = 0; i < kNbValeurs; ++i) {
    lier(*valeurs[i], kNomsValeurs[i]);
    valeurs_[static_cast<size_t>(i)] = *valeurs[i];
  }
  lier(LblCmtCPU, "LblCmtCPU");
  lier(LblCmtRAM, "LblCmtRAM");
  lier(LblCmtCG, "LblCmtCG");
  lier(LblCmtSpecial, "LblCmtSpecial");
  lier(LblCmtOS, "LblCmtOS");
  lier(LblCmtDx, "LblCmtDx");
  lier(CPUPim, "CPUPim");
  lier(RAMPim, "RAMPim");
  lier(CGPim, "CGPim");
  lier(OSPim, "OSPim");
  lier(PIMDX, "PIMDX");
}

void TFichePrinc::FormShow(ui::Control*) {
  // The framework raises the show once; an exception ends the run at its step.
  MarqueVideo = "Inconnue";
  VerDrv = "Inconnue";
  PlacerFenetre();
  LireMemoire();
  LireCarteVideo();
  LireCPU();
  LireOS();
  Evaluer();
  EcrireValeurs();
  RemplirRapport();
  StatusBar->SetSimpleText(L"Détection du matériel effectuée avec succès !");
}

void TFichePrinc::EcrireValeurs() {
  const auto textes = TextesValeurs(*this);
  for (size_t i = 0; i < textes.size(); ++i) {
    const auto texte = ui::DepuisAnsi(textes[i]);
    if (!texte) throw ui::Exception(L"Erreur de conversion du texte");
    valeurs_[i]->SetTexte(*texte);
  }
}

int TFichePrinc::PlacerFenetre() {
  const Position p = CalculerPosition(ui::LargeurBureau(), ui::HauteurBureau(), ClientWidth(), ClientHeight());
  SetTop(p.top);
  SetLeft(p.left);
  return 0;
}

int TFichePrinc::LireMemoire() { return sondes::LireMemoire(*this, SysInfo); }
int TFichePrinc::LireCarteVideo() { return sondes::LireCarteVideo(*this, SysInfo, plateforme_); }
int TFichePrinc::LireCPU() { return sondes::LireCPU(*this, SysInfo, plateforme_); }
int TFichePrinc::LireOS() { return sondes::LireOS(*this, plateforme_); }

int TFichePrinc::VersionDxParFichiers(uint32_t* majeur, uint32_t* mineur, char* lettre) {
  return sondes::VersionDxParFichiers(plateforme_, majeur, mineur, lettre);
}
HRESULT TFichePrinc::LireVersionFichier(const char* chemin, uint64_t* version) {
  return sondes::LireVersionFichier(plateforme_, chemin, version);
}
uint64_t TFichePrinc::FaireVersion(uint16_t p1, uint16_t p2, uint16_t p3, uint16_t p4) {
  return sondes::FaireVersion(p1, p2, p3, p4);
}
int TFichePrinc::ComparerVersions(uint64_t x, uint64_t y) { return sondes::ComparerVersions(x, y); }
