// The real program under Wine: start-up, the inspection of the OS, the verdicts' hints, the single instance.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Pilote.h"

namespace {

using pilote::Controle;
using pilote::Processus;
using pilote::Texte;

TEST(Demarrage, LeSystemeEstNommeSelonLaVersionDeWindows) {
  struct Cas {
    const wchar_t* version;
    const wchar_t* nom;
    const wchar_t* servicePack;  // nullptr: not checked
    // What the OS picture's name (its window text, as a screen reader reads it) says of the real system.
    std::vector<std::wstring> dit, neDitPas;
  };
  const Cas cas[] = {
      {L"winxp64",
       L"Windows XP",
       L"Service Pack 2",
       {L"Votre système : Windows XP", L", sous Wine 8."},
       {L"Pour lancer"}},
      {L"win2k", L"Windows 2000", L"Service Pack 4", {}, {}},
      {L"win10", L"OS inconnu", nullptr, {L"Votre système : Windows 10 (build ", L", sous Wine 8.", L"winecfg"}, {}},
  };
  for (const Cas& c : cas) {
    const std::wstring fichier = std::wstring(L"Q_") + c.version + L".exe";
    pilote::VersionWindows(fichier, c.version);
    Processus p(pilote::Copie(fichier));
    HWND fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr) << c.version;
    EXPECT_EQ(Texte(Controle(fiche, "LblVerOS")), c.nom);
    if (c.servicePack) {
      EXPECT_EQ(Texte(Controle(fiche, "LblAutreInfo")), c.servicePack);
    }
    const std::wstring nom = Texte(Controle(fiche, "OSPim"));
    for (const std::wstring& d : c.dit) EXPECT_NE(nom.find(d), std::wstring::npos) << nom;
    for (const std::wstring& d : c.neDitPas) EXPECT_EQ(nom.find(d), std::wstring::npos) << nom;
    PostMessageW(fiche, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.AttendreFin(10000), 0) << c.version;
  }
}

TEST(Demarrage, LaFenetreMontreSesOngletsEtAnnonceLaFinDeLaDetection) {
  Processus p(pilote::Copie(L"Q_fenetre.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_EQ(Texte(fiche), L"Quorvane.");
  EXPECT_EQ(Texte(Controle(fiche, "StatusBar")), L"Détection du matériel effectuée avec succès !");

  // The hidden application window carries the title by which a second start finds this one.
  HWND application = FindWindowW(L"TApplication", L"Lecture de configuration");
  ASSERT_NE(application, nullptr);
  EXPECT_FALSE(IsWindowVisible(application));
  EXPECT_FALSE(IsWindowVisible(Controle(fiche, "MemoConfig")));
}

// Resting the mouse on a verdict shows why, in a tooltip that any tool can read: on the comment, then, once
// the tooltip is gone, on the diamond, which otherwise lets the mouse through.
TEST(Demarrage, LeBandeauEtLeLosangeDuCPUDisentPourquoi) {
  Processus p(pilote::Copie(L"Q_bulle.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  ASSERT_EQ(Texte(Controle(fiche, "LblIs3D")), L"Oui") << "Wine's provider gives a 3D card";
  const std::wstring attendue = L"Mesuré : " + Texte(Controle(fiche, "LblVitesse")) +
                                L". Il faut plus de 600 MHz avec une carte 3D, plus de 1500 MHz sans.";
  for (const char* controle : {"LblCmtCPU", "CPUPim"}) {
    SetCursorPos(0, 0);
    ASSERT_TRUE(pilote::Attendre([&] { return !p.Fenetre(L"tooltips_class32", 0); }, 5000));
    POINT point{12, 8};
    ClientToScreen(Controle(fiche, controle), &point);
    SetCursorPos(point.x, point.y);
    HWND bulle = p.Fenetre(L"tooltips_class32", 5000);
    EXPECT_EQ(bulle ? Texte(bulle) : L"", attendue) << controle;
  }
}

TEST(Demarrage, LesPhasesSontEcritesQuandOnLesDemande) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring fichier = std::wstring(temp) + L"quorvane-phases-test.txt";
  DeleteFileW(fichier.c_str());
  {
    Processus p(pilote::Copie(L"Q_phases.exe"), SW_SHOWNORMAL, {L"QUORVANE_PHASES=" + fichier});
    HWND fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr);
    PostMessageW(fiche, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.AttendreFin(10000), 0);
  }
  FILE* f = _wfopen(fichier.c_str(), L"r");
  ASSERT_NE(f, nullptr);
  double avantEntree = -1, avantInspection = -1, inspection = -1, avantVisible = -1;
  EXPECT_EQ(std::fscanf(f, "phases %lf %lf %lf %lf", &avantEntree, &avantInspection, &inspection, &avantVisible), 4);
  std::fclose(f);
  EXPECT_GT(avantEntree, 0);
  EXPECT_GT(avantInspection, 0);
  EXPECT_GE(inspection, 510);  // the clock measurement alone
  EXPECT_GE(avantVisible, 0);
}

TEST(Demarrage, UnSecondDemarrageSeRetireSansFenetre) {
  const std::wstring exe = pilote::Copie(L"Q_double.exe");
  Processus premier(exe);
  HWND fiche = premier.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);

  // A hang guard, not a speed goal (scripts/bench reports how long a second start takes): it ends in
  // about 0.3 s, and ten times that on a loaded machine is still well within the wait.
  Processus second(exe);
  EXPECT_EQ(second.AttendreFin(10000), 0);
  std::vector<HWND> visibles;
  for (HWND h : pilote::Fenetres(L"TFichePrinc"))
    if (IsWindowVisible(h)) visibles.push_back(h);
  EXPECT_EQ(visibles, std::vector<HWND>{fiche});
  EXPECT_EQ(Texte(Controle(fiche, "StatusBar")), L"Détection du matériel effectuée avec succès !");
}

// A double-click starts two instances a moment apart. The second hands over without waiting for the
// first, still in its inspection run (more than a second without reading its messages), and the first
// comes up in front when it is done. The first is held still while the second runs: a second that waits
// on it would never end.
TEST(Demarrage, UnSecondDemarragePendantLInspectionNAttendPas) {
  const std::wstring exe = pilote::Copie(L"Q_doubleclic.exe");
  Processus premier(exe);
  // Its application window exists just before the inspection starts.
  ASSERT_TRUE(
      pilote::Attendre([] { return FindWindowW(L"TApplication", L"Lecture de configuration") != nullptr; }, 10000));
  premier.Suspendre(true);
  Processus second(exe);
  const long code = second.AttendreFin(10000);  // a hang guard: about 0.3 s, as above
  premier.Suspendre(false);
  EXPECT_EQ(code, 0) << "the second start waits for nothing";

  HWND fiche = premier.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_FALSE(IsIconic(fiche));
  std::vector<HWND> visibles;
  for (HWND h : pilote::Fenetres(L"TFichePrinc"))
    if (IsWindowVisible(h)) visibles.push_back(h);
  EXPECT_EQ(visibles, std::vector<HWND>{fiche});
  EXPECT_TRUE(pilote::Attendre([&] { return GetForegroundWindow() == fiche; }, 5000)) << "in front";
}

TEST(Demarrage, UnSecondDemarrageRestaureLaPremiereInstanceMinimisee) {
  const std::wstring exe = pilote::Copie(L"Q_restaure.exe");
  Processus premier(exe);
  HWND fiche = premier.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  ShowWindow(fiche, SW_MINIMIZE);
  ASSERT_TRUE(pilote::Attendre([&] { return IsIconic(fiche) != FALSE; }, 5000));

  Processus second(exe);
  EXPECT_EQ(second.AttendreFin(10000), 0);
  EXPECT_TRUE(pilote::Attendre([&] { return !IsIconic(fiche) && IsWindowVisible(fiche); }, 5000))
      << "the first instance's window is shown again";
  EXPECT_EQ(Texte(Controle(fiche, "LblVerOS")).empty(), false);
}

TEST(Demarrage, UnDemarrageMinimiseInspecteALaPremiereRestauration) {
  Processus p(pilote::Copie(L"Q_minimise.exe"), SW_SHOWMINNOACTIVE);
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_TRUE(IsIconic(fiche));
  EXPECT_EQ(Texte(Controle(fiche, "LblVerOS")), L"LblVerOS");
  EXPECT_EQ(Texte(Controle(fiche, "StatusBar")), L"");

  ShowWindow(fiche, SW_RESTORE);
  EXPECT_TRUE(pilote::Attendre(
      [&] { return Texte(Controle(fiche, "StatusBar")) == L"Détection du matériel effectuée avec succès !"; }, 10000));
  EXPECT_NE(Texte(Controle(fiche, "LblVerOS")), L"LblVerOS");
  PostMessageW(fiche, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.AttendreFin(10000), 0);
}

}  // namespace
