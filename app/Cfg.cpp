#include "app/Cfg.h"

#include "app/Phases.h"
#include "app/Rapport.h"
#include "probes/DxFiles.h"
#include "probes/DxFilesRules.h"
#include "probes/ExamenRules.h"
#include "base/Texte.h"
#include "base/Textes.h"
#include "probes/Sondes.h"
#include "ui/Screen.h"

namespace appli {

TFichePrinc* FichePrinc = nullptr;

TFichePrinc::TFichePrinc(sondes::Plateforme& plateforme)
    : ui::Form(kFormeFichePrinc), SysInfo(plateforme), plateforme_(plateforme) {
  LierControles();
  OnShow = [this](ui::Control* sender) { FormShow(sender); };
  BtnHelp->OnClick = [this](ui::Control* s) { BtnHelpClick(s); };
  LMDMMButton2->OnClick = [this](ui::Control* s) { LMDMMButton2Click(s); };
  LMDMMButton3->OnClick = [this](ui::Control* s) { LMDMMButton3Click(s); };
  LMDMMButton1->OnClick = [this](ui::Control* s) { LMDMMButton1Click(s); };
  BtnCheck->OnClick = [this](ui::Control* s) { BtnCheckClick(s); };
  LBtnX->OnClick = [this](ui::Control* s) { LBtnXClick(s); };
  Commands().AddShortcut('C', [this] { CopierRapport(); });
  // The arrows switch tabs from the start.
  Keyboard().SetActiveControl(*Tabs);
  Commands().AddSystemMenuItem(base::Dire(base::Texte::MenuCopier), [this] { CopierRapport(); });
  // The guard acts once the window exists, while it is still being created.
  LMDOneInstance1.Verifier();
}

void TFichePrinc::LierControles() {
  // Each member takes the control of its own name.
#define LIER(membre) membre = Component<std::remove_reference_t<decltype(*membre)>>(#membre)
  LIER(Image1);
  LIER(BtnHelp);
  LIER(LMDMMButton2);
  LIER(LMDMMButton3);
  LIER(LMDMMButton1);
  LIER(BtnCheck);
  LIER(LBtnX);
  LIER(MemoConfig);
  LIER(StatusBar);
  LIER(Tabs);
  LIER(TabCPU);
  LIER(TabMemoire);
  LIER(TabCV);
  LIER(TabOS);
  LIER(TabDX);
  LIER(LblCPU);
  LIER(LblVitesse);
  LIER(LblTotalRAM);
  LIER(LblVirtuel);
  LIER(LblPage);
  LIER(LblMarqueVideo);
  LIER(LblMemoireVideo);
  LIER(LblHW);
  LIER(LblRefreshRate);
  LIER(LblRes);
  LIER(LblVerDrv);
  LIER(LblIs3D);
  LIER(LblVerOS);
  LIER(LblAutreInfo);
  LIER(LblDxVersion);
  LIER(LblCmtCPU);
  LIER(LblCmtRAM);
  LIER(LblCmtCG);
  LIER(LblCmtSpecial);
  LIER(LblCmtOS);
  LIER(LblCmtDx);
  LIER(CPUPim);
  LIER(RAMPim);
  LIER(CGPim);
  LIER(OSPim);
  LIER(PIMDX);
#undef LIER
}

void TFichePrinc::Rejouer(sondes::Releve releve, std::wstring nom, size_t ignorees) {
  ignorees_ = ignorees;
  ReleveInspection = std::move(releve);
  rejoue_ = std::move(nom);
}

void TFichePrinc::FormShow(ui::Control*) {
  // The framework raises the show once; an exception ends the run at its step.
  phases::Marquer(phases::Phase::DebutInspection);
  PlacerFenetre();
  if (rejoue_) {
    Resultats = sondes::Decoder(ReleveInspection, base::AnsiDepuisUtf8);
  } else {
    sondes::Inspecter(Resultats, ReleveInspection, SysInfo, plateforme_);
  }
  Evaluer();
  EcrireValeurs();
  RemplirRapport();
  // A replay says so, so that nobody takes another machine's findings for their own.
  if (!rejoue_)
    StatusBar->SetSimpleText(base::Dire(base::Texte::EtatDetection));
  else if (ignorees_ == 0)
    StatusBar->SetSimpleText(base::Remplir(base::Texte::EtatRejoue, {*rejoue_}));
  else
    StatusBar->SetSimpleText(
        base::Remplir(base::Texte::EtatRejoueIgnorees, {*rejoue_, base::DepuisUtf8(std::to_string(ignorees_))}));
  phases::Marquer(phases::Phase::FinInspection);
}

LRESULT TFichePrinc::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  // The first message that finds the window visible dates its showing: the window is visible from the
  // middle of ShowWindow on, before the messages of its activation and its first erase.
  if (phases::VisibleAttendu() && IsWindowVisible(Handle())) phases::Marquer(phases::Phase::Visible);
  return ui::Form::WndProc(msg, wp, lp);
}

void TFichePrinc::EcrireValeurs() {
  for (const LigneValeur* v : Valeurs()) Component<ui::Label>(v->label)->SetText(TexteValeur(*v, Resultats));
}

int TFichePrinc::PlacerFenetre() {
  const Position p = CalculerPosition(ui::DesktopWidth(), ui::DesktopHeight(), ClientWidth(), ClientHeight());
  MoveTo(p.left, p.top);
  return 0;
}

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

}  // namespace appli
