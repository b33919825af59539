// A player's PC of the game's time: the program in a 32-bit prefix set to Windows XP or to 2000, where its
// verdict on the system is green. CTest runs this there (QUORVANE_PARCOURS names the version), with the
// other tests of a player's path: the save dialog, the report, the relevé, the twin, a second start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "Fichiers.h"
#include "Pilote.h"

namespace {

using pilote::Controle;
using pilote::Processus;
using pilote::Texte;

TEST(Parcours, SurLeWindowsDuJeuLeSystemeEstVertEtLaMemoireVirtuelleDe2Go) {
  const char* version = std::getenv("QUORVANE_PARCOURS");
  if (!version) GTEST_SKIP() << "only in the 32-bit prefixes set to Windows XP or 2000";
  struct Systeme {
    const char* version;
    const wchar_t *nom, *servicePack;
  };
  const Systeme systemes[] = {{"winxp", L"Windows XP", L"Service Pack 3"},
                              {"win2k", L"Windows 2000", L"Service Pack 4"}};
  const Systeme* s = nullptr;
  for (const Systeme& x : systemes)
    if (std::strcmp(x.version, version) == 0) s = &x;
  ASSERT_NE(s, nullptr) << version;

  Processus p(pilote::Copie(L"Q_parcours.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_EQ(Texte(Controle(fiche, "LblVerOS")), s->nom);
  EXPECT_EQ(Texte(Controle(fiche, "LblAutreInfo")), s->servicePack);
  EXPECT_EQ(Texte(Controle(fiche, "LblVirtuel")), L"2048 Mo");
  EXPECT_EQ(Texte(Controle(fiche, "OSPim")).rfind(L"vert", 0), 0u) << Texte(Controle(fiche, "OSPim"));
  // Every tab has its verdict, in a colour a screen reader says.
  for (const char* image : {"CPUPim", "RAMPim", "CGPim", "PIMDX"}) {
    const std::wstring dit = Texte(Controle(fiche, image));
    EXPECT_TRUE(dit.rfind(L"vert", 0) == 0 || dit.rfind(L"jaune", 0) == 0 || dit.rfind(L"rouge", 0) == 0)
        << image << ": " << dit;
  }
  PostMessageW(fiche, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.AttendreFin(10000), 0);

  // The report without a window says the same.
  const std::wstring dossier = fichiers::DossierVide(L"quorvane-parcours");
  Processus r(pilote::Copie(L"Q_parcours.exe"), SW_SHOWNORMAL, {}, L"/rapport \"" + dossier + L"\\r.txt\"");
  ASSERT_EQ(r.AttendreFin(60000), 0);
  const std::string rapport = fichiers::Lire(dossier + L"\\r.txt").value_or("");
  EXPECT_NE(rapport.find("MEMOIRE VIRTUEL  : 2048 Mo\r\n"), std::string::npos) << rapport;
  const std::string os = "OS               : " + std::string(s->nom, s->nom + wcslen(s->nom)) + "\r\n";
  EXPECT_NE(rapport.find(os), std::string::npos) << rapport;
}

}  // namespace
