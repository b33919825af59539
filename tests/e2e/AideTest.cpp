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

TEST(AideDuProgramme, LeBoutonOuvreLaPageALaRubriqueBienvenue) {
  const std::wstring exe = pilote::Copie(L"Q_aide.exe");
  const std::wstring dossier = exe.substr(0, exe.find_last_of(L'\\'));
  ASSERT_TRUE(CopyFileW((pilote::DossierDesTests() + L"\\Quorvane.html").c_str(),
                        (dossier + L"\\Quorvane.html").c_str(), FALSE))
      << "the build puts the help page beside the program";
  const std::wstring journal = dossier + L"\\navigateur.txt";
  DeleteFileW(journal.c_str());
  NavigateurParDefaut navigateur(pilote::DossierDesTests() + L"\\quorvane_faux_navigateur.exe");

  Processus p(exe, SW_SHOWNORMAL, {L"QUORVANE_NAVIGATEUR=" + journal});
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  pilote::Cliquer(pilote::Controle(fiche, "BtnHelp"));
  ASSERT_TRUE(pilote::Attendre([&] { return !Lignes(journal).empty(); }, 10000)) << "no browser was started";
  Sleep(500);
  const auto lignes = Lignes(journal);
  ASSERT_EQ(lignes.size(), 1u) << "one page, shown once";
  EXPECT_NE(lignes[0].find(L"\"file:///"), std::wstring::npos) << testing::PrintToString(lignes[0]);
  EXPECT_NE(lignes[0].find(L"/quorvane-e2e/Quorvane.html#Bienvenue\""), std::wstring::npos)
      << testing::PrintToString(lignes[0]);
  // The command returned at once and showed nothing of its own.
  EXPECT_TRUE(IsWindowEnabled(fiche));
  EXPECT_EQ(pilote::Fenetres(L"#32770").size(), 0u) << "no message box";
  DeleteFileW(journal.c_str());
}

TEST(AideDuProgramme, SansLaPageRienNEstOuvertEtRienNEstDit) {
  const std::wstring exe = pilote::Copie(L"Q_sansaide.exe");
  const std::wstring dossier = exe.substr(0, exe.find_last_of(L'\\'));
  DeleteFileW((dossier + L"\\Quorvane.html").c_str());
  const std::wstring journal = dossier + L"\\navigateur-sans.txt";
  DeleteFileW(journal.c_str());
  NavigateurParDefaut navigateur(pilote::DossierDesTests() + L"\\quorvane_faux_navigateur.exe");

  Processus p(exe, SW_SHOWNORMAL, {L"QUORVANE_NAVIGATEUR=" + journal});
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  pilote::Cliquer(pilote::Controle(fiche, "BtnHelp"));
  Sleep(1500);
  EXPECT_TRUE(Lignes(journal).empty());
  EXPECT_EQ(pilote::Fenetres(L"#32770").size(), 0u) << "no message box";
  PostMessageW(fiche, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.AttendreFin(10000), 0);
}

}  // namespace
