// The real program's help: the page shipped beside it, opened at its welcome topic in the default browser.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Pilote.h"

namespace {

using pilote::Processus;

// Makes a program the machine's handler of web addresses for the life of the object (Wine's associations
// do not look at the user's own classes), then puts the previous one back.
class NavigateurParDefaut {
 public:
  explicit NavigateurParDefaut(const std::wstring& exe) {
    wchar_t ancienne[1024] = {};
    DWORD taille = sizeof ancienne;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kCle, nullptr, RRF_RT_REG_SZ, nullptr, ancienne, &taille) == ERROR_SUCCESS)
      ancienne_ = ancienne;
    Ecrire(L"\"" + exe + L"\" \"%1\"");
  }
  ~NavigateurParDefaut() { Ecrire(ancienne_); }

 private:
  static constexpr wchar_t kCle[] = L"Software\\Classes\\http\\shell\\open\\command";
  static void Ecrire(const std::wstring& commande) {
    if (commande.empty()) {
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kCle, nullptr);
      return;
    }
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kCle, nullptr, REG_SZ, commande.c_str(),
                    static_cast<DWORD>((commande.size() + 1) * sizeof(wchar_t)));
  }
  std::wstring ancienne_;
};

std::vector<std::wstring> Lignes(const std::wstring& fichier) {
  std::wifstream f(fichier.c_str());
  std::vector<std::wstring> lignes;
  for (std::wstring l; std::getline(f, l);) lignes.push_back(l);
  return lignes;
}

// Starts a copy of the program, with or without its help page beside it, under the stand-in browser, and
// clicks its help button.
class AideDuProgramme : public testing::Test {
 protected:
  void Demarrer(const wchar_t* nom, bool avecPage) {
    // A folder whose name has blanks, an accent and '#', each of which a URL must escape.
    const std::wstring exe = pilote::Copie(nom, L"Jeux vid\u00E9o #1");
    const std::wstring dossier = exe.substr(0, exe.find_last_of(L'\\'));
    const std::wstring page = dossier + L"\\Quorvane.html";
    if (avecPage) {
      ASSERT_TRUE(CopyFileW((pilote::DossierDesTests() + L"\\Quorvane.html").c_str(), page.c_str(), FALSE))
          << "the build puts the help page beside the program";
    } else {
      DeleteFileW(page.c_str());
    }
    journal = dossier + L"\\navigateur.txt";
    DeleteFileW(journal.c_str());
    p = Processus(exe, SW_SHOWNORMAL, {L"QUORVANE_NAVIGATEUR=" + journal});
    fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr);
    pilote::Cliquer(pilote::Controle(fiche, "BtnHelp"));
  }
  void TearDown() override { DeleteFileW(journal.c_str()); }

  NavigateurParDefaut navigateur{pilote::DossierDesTests() + L"\\quorvane_faux_navigateur.exe"};
  std::wstring journal;
  Processus p;
  HWND fiche = nullptr;
};

TEST_F(AideDuProgramme, LeBoutonOuvreLaPageALaRubriqueBienvenue) {
  ASSERT_NO_FATAL_FAILURE(Demarrer(L"Q_aide.exe", true));
  ASSERT_TRUE(pilote::Attendre([&] { return !Lignes(journal).empty(); }, 10000)) << "no browser was started";
  Sleep(500);
  const auto lignes = Lignes(journal);
  ASSERT_EQ(lignes.size(), 1u) << "one page, shown once";
  EXPECT_NE(lignes[0].find(L"\"file:///"), std::wstring::npos) << testing::PrintToString(lignes[0]);
  EXPECT_NE(lignes[0].find(L"/quorvane-e2e/Jeux%20vid%C3%A9o%20%231/Quorvane.html#Bienvenue\""), std::wstring::npos)
      << testing::PrintToString(lignes[0]);
  // The command returned at once and showed nothing of its own.
  EXPECT_TRUE(IsWindowEnabled(fiche));
  EXPECT_TRUE(pilote::Fenetres(L"#32770").empty()) << "no message box";
}

TEST_F(AideDuProgramme, SansLaPageRienNEstOuvertEtRienNEstDit) {
  ASSERT_NO_FATAL_FAILURE(Demarrer(L"Q_sansaide.exe", false));
  Sleep(1500);
  EXPECT_TRUE(Lignes(journal).empty());
  EXPECT_TRUE(pilote::Fenetres(L"#32770").empty()) << "no message box";
  PostMessageW(fiche, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.AttendreFin(10000), 0);
}

}  // namespace
