// The main window built from its description, and its inspection run on a scripted platform.
#include <gtest/gtest.h>

#include <memory>

#include "Documente.h"
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "app/Cfg.h"

namespace {

class Fiche : public FicheScriptee {
 protected:
  std::wstring Texte(const char* nom) { return fiche->Trouver(nom)->Texte(); }
};

struct Place {
  const char* nom;
  int x, y, largeur, hauteur;  // a size of 0 x 0: fits its text, not checked here
  const wchar_t* texte;
};

// Where each control must sit in its parent's client area, and its text before the run.
const Place kPlaces[] = {
    {"Image1", 0, 0, 569, 561, L""},
    {"BtnHelp", 21, 98, 69, 68, L"Aide du logiciel Quorvane"},
    {"LMDMMButton2", 12, 171, 81, 73, L"A propos du logiciel Quorvane"},
    {"LMDMMButton3", 19, 253, 65, 65, L"Appuyer ici pour exporter votre configuration vers un fichier texte"},
    {"LMDMMButton1", 77, 422, 49, 49, L"Appuyer ici pour Quitter"},
    {"BtnCheck", 272, 460, 41, 25, L"Appuyez ici pour quitter"},
    {"LBtnX", 340, 460, 45, 25, L"Appuyez ici pour quitter"},
    {"MemoConfig", 8, 8, 17, 17, L"\r\n"},
    {"StatusBar", 0, 496, 568, 19, L""},
    {"Tabs", 160, 120, 337, 313, L""},
    {"TabCPU", 3, 27, 331, 283, L"CPU"},
    {"TabMemoire", 3, 27, 331, 283, L"MÉMOIRE"},
    {"TabCV", 3, 27, 331, 283, L"GRAPHIQUES"},
    {"TabOS", 3, 27, 331, 283, L"OS"},
    {"TabDX", 3, 27, 331, 283, L"DIRECTX"},
    {"Label1", 8, 16, 0, 0, L"Configuration du CPU :"},
    {"Label6", 8, 45, 0, 0, L"CPU :"},
    {"Label7", 8, 69, 0, 0, L"Vitesse du CPU :"},
    {"LblCPU", 136, 47, 0, 0, L"LblCPU"},
    {"LblVitesse", 136, 71, 0, 0, L"LblVitesse"},
    {"CPUPim", 0, 232, 33, 49, L""},
    {"LblCmtCPU", 32, 264, 0, 0, L"LblCmtCPU"},
    {"Label2", 8, 16, 0, 0, L"Configuration de la mémoire :"},
    {"Label8", 8, 47, 0, 0, L"Total de RAM :"},
    {"Label9", 8, 71, 0, 0, L"Total de mémoire virtuelle :"},
    {"Label11", 8, 95, 0, 0, L"Total de mémoire page :"},
    {"LblTotalRAM", 200, 49, 0, 0, L"LblTotalRAM"},
    {"LblVirtuel", 200, 73, 0, 0, L"LblVirtuel"},
    {"LblPage", 200, 97, 0, 0, L"LblPage"},
    {"RAMPim", 0, 232, 30, 49, L""},
    {"LblCmtRAM", 32, 264, 0, 0, L"LblCmtRAM"},
    {"Label3", 8, 16, 0, 0, L"Configuration de la carte graphique :"},
    {"Label10", 8, 48, 0, 0, L"Marque :"},
    {"Label12", 8, 72, 0, 0, L"Taille Actuelle :"},
    {"Label13", 8, 96, 0, 0, L"Résolution :"},
    {"Label14", 8, 120, 0, 0, L"Total Mémoire :"},
    {"Label15", 8, 144, 0, 0, L"Taux Rafraich. :"},
    {"Label16", 8, 168, 0, 0, L"Version Pilotes :"},
    {"Label17", 8, 192, 0, 0, L"Fait du 3D :"},
    {"LblMarqueVideo", 128, 50, 0, 0, L"LblMarqueVideo"},
    {"LblHW", 128, 74, 0, 0, L"LblHW"},
    {"LblRes", 128, 98, 0, 0, L"LblRes"},
    {"LblMemoireVideo", 128, 122, 0, 0, L"LblMemoireVideo"},
    {"LblRefreshRate", 128, 146, 0, 0, L"LblRefreshRate"},
    {"LblVerDrv", 128, 170, 0, 0, L"LblVerDrv"},
    {"LblIs3D", 128, 194, 0, 0, L"LblIs3D"},
    {"CGPim", 0, 232, 30, 49, L""},
    {"LblCmtCG", 32, 248, 0, 0, L"LblCmtCG"},
    {"LblCmtSpecial", 32, 264, 0, 0, L"LblCmtSpecial"},
    {"Label4", 8, 16, 0, 0, L"Configuration de l'OS :"},
    {"Label20", 8, 48, 0, 0, L"Version de l'OS :"},
    {"Label21", 8, 72, 0, 0, L"Autre :"},
    {"LblVerOS", 136, 50, 0, 0, L"LblVerOS"},
    {"LblAutreInfo", 136, 74, 0, 0, L"LblAutreInfo"},
    {"OSPim", 0, 232, 30, 49, L""},
    {"LblCmtOS", 32, 264, 0, 0, L"LblCmtOS"},
    {"Label5", 8, 16, 0, 0, L"Configuration de Directx :"},
    {"Label22", 8, 48, 0, 0, L"Version de Directx :"},
    {"LblDxVersion", 152, 50, 0, 0, L"LblDxVersion"},
    {"PIMDX", 0, 232, 30, 49, L""},
    {"LblCmtDx", 32, 264, 0, 0, L"LblCmtDx"},
};

TEST_F(Fiche, ChaqueControleASaPlaceEtSonTexte) {
  RECT client;
  GetClientRect(fiche->Handle(), &client);
  EXPECT_EQ(client.right, 568);
  EXPECT_EQ(client.bottom, 515);
  EXPECT_EQ(TexteFenetre(fiche->Handle()), L"Quorvane.");
  for (const Place& p : kPlaces) {
    ui::Control* c = fiche->Trouver(p.nom);
    ASSERT_NE(c, nullptr) << p.nom;
    const RECT r = c->Cadre();
    EXPECT_EQ(r.left, p.x) << p.nom;
    EXPECT_EQ(r.top, p.y) << p.nom;
    if (p.largeur) {
      EXPECT_EQ(r.right - r.left, p.largeur) << p.nom;
      EXPECT_EQ(r.bottom - r.top, p.hauteur) << p.nom;
    } else {
      EXPECT_GT(r.right - r.left, 0) << p.nom << ": a label fits its text";
    }
    EXPECT_EQ(c->Texte(), p.texte) << p.nom;
  }
  EXPECT_EQ(std::size(kPlaces), fiche->Description().controles.size());
}

TEST_F(Fiche, LesOngletsPortentLesLegendesEtLesImagesMontrentLeRouge) {
  const wchar_t* legendes[] = {L"CPU", L"MÉMOIRE", L"GRAPHIQUES", L"OS", L"DIRECTX"};
  HWND onglets = fiche->Tabs->Handle();
  ASSERT_EQ(SendMessageW(onglets, TCM_GETITEMCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i) {
    wchar_t texte[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = texte;
    item.cchTextMax = 64;
    SendMessageW(onglets, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(texte, legendes[i]);
  }
  for (ui::Picture* p : {fiche->CPUPim, fiche->RAMPim, fiche->CGPim, fiche->OSPim, fiche->PIMDX})
    EXPECT_EQ(p->ImageIndex(), 2) << p->Nom();
  EXPECT_TRUE(fiche->MemoConfig->Lines() == std::vector<std::wstring>{L""});
  EXPECT_FALSE(fiche->MemoConfig->Visible());
}

// Clicks the tab the way a user does, so that the tab control's own notification does the work.
void Cliquer(HWND onglets, int index) {
  RECT r;
  SendMessageW(onglets, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(onglets, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(onglets, WM_LBUTTONUP, 0, point);
  Pomper();
}

TEST_F(Fiche, ChangerDOngletActiveSaPageEtDesactiveLaPrecedente) {
  fiche->Show();
  ui::Panneau* pages[] = {fiche->TabCPU, fiche->TabMemoire, fiche->TabCV, fiche->TabOS, fiche->TabDX};
  auto verifier = [&](int active, const char* quand) {
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(pages[i]->Actif(), i == active) << quand << ", page " << i;
      EXPECT_EQ(pages[i]->Visible(), i == active) << quand << ", page " << i;
    }
    EXPECT_EQ(SendMessageW(fiche->Tabs->Handle(), TCM_GETCURSEL, 0, 0), active) << quand;
  };
  verifier(0, "at creation");
  const int ordre[] = {2, 4, 1, 1, 3, 0};
  for (int i : ordre) {
    Cliquer(fiche->Tabs->Handle(), i);
    verifier(i, "after a click");
  }
  // Labels on an enabled page are drawn as enabled, and stay enabled themselves.
  EXPECT_TRUE(IsWindowEnabled(fiche->LblCPU->Handle()));
}

TEST_F(Fiche, LInspectionEcritChaqueLibelle) {
  plateforme.DefinirVersion(VER_PLATFORM_WIN32_NT, 5, 0, "Service Pack 4");
  fiche->Show();
  EXPECT_TRUE(gErreurs.empty());
  EXPECT_EQ(fiche->StatusBar->SimpleText(), L"Détection du matériel effectuée avec succès !");
  EXPECT_EQ(TexteFenetre(fiche->StatusBar->Handle()), L"Détection du matériel effectuée avec succès !");
  EXPECT_EQ(Texte("LblVerOS"), L"Windows 2000");
  EXPECT_EQ(Texte("LblAutreInfo"), L"Service Pack 4");
  EXPECT_EQ(fiche->CodeOS, 6);
  EXPECT_EQ(Texte("LblMarqueVideo"), L"Inconnue");
  EXPECT_EQ(Texte("LblVerDrv"), L"Inconnue");
  EXPECT_EQ(Texte("LblIs3D"), fiche->Is3D ? L"Oui" : L"Non");
  const auto attendus = TextesValeurs(*fiche);
  for (int i = 0; i < kNbValeurs; ++i)
    EXPECT_EQ(Texte(kNomsValeurs[i]), ui::DepuisAnsi(attendus[static_cast<size_t>(i)]).value()) << kNomsValeurs[i];
  // A label fits its new text.
  const RECT r = fiche->LblVerOS->Cadre();
  EXPECT_GT(r.right - r.left, 40);
}

// The window lands where the rule puts it on the screen, whatever bar narrows the work area: on this
// 1024 x 768 desktop, left 228 and top 84, for a normal start and for a minimised start restored later.
TEST_F(Fiche, LaPlaceEstCelleDeLaRegleSurLEcranMemeAvecUneBarre) {
  ASSERT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 768);
  struct Cas {
    const char* quoi;
    POINT origine;  // of the work area
    bool minimise;
  };
  const Cas cas[] = {
      {"no bar", {0, 0}, false},
      {"a 40-pixel taskbar at the top", {0, 40}, false},
      {"a 60-pixel bar at the left", {60, 0}, false},
      {"a taskbar at the top, minimised start", {0, 40}, true},
      {"a bar at the left, minimised start", {60, 0}, true},
  };
  for (const Cas& c : cas) {
    BureauAvecBarre barre(c.origine);
    TFichePrinc f(plateforme);
    if (c.minimise) {
      f.ShowMinimiseDiffere();
      Pomper();
      ShowWindow(f.Handle(), SW_RESTORE);
    } else {
      f.Show();
    }
    Pomper();
    RECT r;
    GetWindowRect(f.Handle(), &r);
    EXPECT_EQ(r.left, 228) << c.quoi;
    EXPECT_EQ(r.top, 84) << c.quoi;
  }
}

TEST_F(Fiche, UneExceptionDUneSondeArreteLInspectionACetteEtape) {
  plateforme.lancerA = "GetVersionExA";
  fiche->Show();
  ASSERT_EQ(gErreurs.size(), 1u);
  EXPECT_EQ(gErreurs[0], L"Échec scripté de GetVersionExA");
  EXPECT_TRUE(fiche->Visible()) << "the window comes up after the error box";
  // Steps before the failing one happened; none after it.
  EXPECT_EQ(fiche->MarqueVideo, "Inconnue");
  EXPECT_EQ(fiche->VerOS, "");
  for (int i = 0; i < kNbValeurs; ++i) EXPECT_EQ(Texte(kNomsValeurs[i]), ui::DepuisUtf8(kNomsValeurs[i]));
  EXPECT_EQ(fiche->StatusBar->SimpleText(), L"");
  EXPECT_TRUE(fiche->MemoConfig->Lines() == std::vector<std::wstring>{L""});
  EXPECT_EQ(fiche->CPUPim->ImageIndex(), 2);
}

TEST_F(Fiche, UnDemarrageMinimiseAttendLaPremiereRestauration) {
  fiche->ShowMinimiseDiffere();
  Pomper();
  EXPECT_TRUE(IsIconic(fiche->Handle()));
  // Only the CPU-information object's read of the vendor, made when the window was created.
  EXPECT_EQ(plateforme.journal, (std::vector<std::string>{"CpuidPresent", "Cpuid"}))
      << "no probe before the first restore";
  EXPECT_EQ(Texte("LblVerOS"), L"LblVerOS");

  ShowWindow(fiche->Handle(), SW_RESTORE);
  Pomper();
  EXPECT_FALSE(IsIconic(fiche->Handle()));
  EXPECT_EQ(Texte("LblVerOS"), L"Windows XP");
  const auto appels = plateforme.journal.size();
  EXPECT_GT(appels, 0u);
  // Placed by the run even though it ran while the window was still minimised.
  const Position p = CalculerPosition(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), 568, 515);
  RECT fenetre;
  GetWindowRect(fiche->Handle(), &fenetre);
  EXPECT_EQ(fenetre.top, p.top);
  EXPECT_EQ(fenetre.left, p.left);

  // Minimising and restoring again runs nothing more.
  ShowWindow(fiche->Handle(), SW_MINIMIZE);
  Pomper();
  ShowWindow(fiche->Handle(), SW_RESTORE);
  Pomper();
  EXPECT_EQ(plateforme.journal.size(), appels);
  EXPECT_TRUE(gErreurs.empty());
}

}  // namespace
