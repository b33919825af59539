#include <gtest/gtest.h>

#include "ui/HelpRules.h"

namespace {

TEST(JumpCommand, FormatEtCoupureA255) {
  const std::string long250(250, 'x');
  const std::string long244(244, 'y');  // 11 + 244 = 255: the closing characters are lost
  struct Cas {
    std::string sujet;
    std::string commande;
  };
  const Cas cas[] = {
      {"Bienvenue", "JumpID(\"\",\"Bienvenue\")"},
      {"", "JumpID(\"\",\"\")"},
      {std::string(242, 'z'), "JumpID(\"\",\"" + std::string(242, 'z') + "\")"},  // exactly 255
      {std::string(243, 'z'), "JumpID(\"\",\"" + std::string(243, 'z') + "\""},   // 256, the ')' goes
      {long244, "JumpID(\"\",\"" + long244},
      {long250, ("JumpID(\"\",\"" + long250).substr(0, 255)},
  };
  for (const Cas& c : cas) {
    const std::string commande = ui::JumpCommand(c.sujet);
    EXPECT_EQ(commande, c.commande) << c.sujet.size();
    EXPECT_LE(commande.size(), 255u);
  }
}

TEST(JumpTopic, SeulUnSautEntierDonneSonSujet) {
  struct Cas {
    std::string macro;
    std::optional<std::string> sujet;
  };
  const Cas cas[] = {
      {ui::JumpCommand("Bienvenue"), "Bienvenue"},
      {ui::JumpCommand("Page_2"), "Page_2"},
      {ui::JumpCommand(std::string(243, 'z')), std::nullopt},  // cut short
      {"JumpID(\"autre.hlp\",\"Bienvenue\")", std::nullopt},   // another help file
      {"JumpID(\"\",\"\")", std::nullopt},
      {"JumpID(\"\",\"a\"b\")", std::nullopt},
      {"CloseWindow(\"main\")", std::nullopt},
      {"", std::nullopt},
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::JumpTopic(c.macro), c.sujet) << c.macro;
}

TEST(HelpPage, LeNomDuFichierDAideDansLeDossierDuProgramme) {
  struct Cas {
    const wchar_t* dossier;
    const wchar_t* fichier;
    const wchar_t* page;
  };
  const Cas cas[] = {
      {L"C:\\Jeux\\Quorvane", L"Quorvane.hlp", L"C:\\Jeux\\Quorvane\\Quorvane.html"},
      {L"C:\\Jeux\\Quorvane\\", L"Quorvane.hlp", L"C:\\Jeux\\Quorvane\\Quorvane.html"},
      {L"D:\\q", L"C:\\Program Files\\FastHelp\\Quorvane\\WinHelp\\Quorvane.hlp", L"D:\\q\\Quorvane.html"},
      {L"D:\\q", L"C:Aide.HLP", L"D:\\q\\Aide.html"},
      {L"D:\\q", L"sans.extension\\Aide", L"D:\\q\\Aide.html"},
      {L"D:\\q", L"v1.2.hlp", L"D:\\q\\v1.2.html"},
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::HelpPage(c.dossier, c.fichier), c.page) << c.fichier;
}

TEST(FileUrl, CheminsEncodesEtAncre) {
  struct Cas {
    const wchar_t* chemin;
    const wchar_t* ancre;
    const wchar_t* url;
  };
  const Cas cas[] = {
      {L"C:\\Jeux\\Quorvane.html", L"Bienvenue", L"file:///C:/Jeux/Quorvane.html#Bienvenue"},
      {L"C:\\Program Files\\Q\\Quorvane.html", L"Bienvenue", L"file:///C:/Program%20Files/Q/Quorvane.html#Bienvenue"},
      {L"C:\\Données\\#1\\a%b.html", L"", L"file:///C:/Donn%C3%A9es/%231/a%25b.html"},
      {L"\\\\serveur\\partage\\Quorvane.html", L"Bienvenue", L"file://serveur/partage/Quorvane.html#Bienvenue"},
      {L"C:\\x.html", L"a b#c", L"file:///C:/x.html#a%20b%23c"},
      {L"C:\\\u20AC.html", L"", L"file:///C:/%E2%82%AC.html"},
      // UTF-16 units written one by one, so that the rows mean the same with a 32-bit wchar_t.
      {L"C:\\\xD83D\xDE00.html", L"", L"file:///C:/%F0%9F%98%80.html"},        // a pair: U+1F600
      {L"C:\\\xD83Dx.html", L"", L"file:///C:/%EF%BF%BDx.html"},               // a high one alone: U+FFFD
      {L"C:\\\xDE00\xD83D.html", L"", L"file:///C:/%EF%BF%BD%EF%BF%BD.html"},  // reversed: two U+FFFD
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::FileUrl(c.chemin, c.ancre), c.url) << c.chemin;
}

TEST(BrowserCommandLine, LaCommandeEnregistreeRecoitLUrl) {
  const wchar_t* url = L"file:///C:/Q/Quorvane.html#Bienvenue";
  struct Cas {
    std::wstring_view modele;
    const wchar_t* ligne;
  };
  const Cas cas[] = {
      {L"\"C:\\Firefox\\firefox.exe\" -osint -url \"%1\"",
       L"\"C:\\Firefox\\firefox.exe\" -osint -url \"file:///C:/Q/Quorvane.html#Bienvenue\""},
      {L"\"C:\\Edge\\msedge.exe\" --single-argument %1",
       L"\"C:\\Edge\\msedge.exe\" --single-argument file:///C:/Q/Quorvane.html#Bienvenue"},
      {L"iexplore.exe %L", L"iexplore.exe file:///C:/Q/Quorvane.html#Bienvenue"},
      {L"\"C:\\b.exe\"", L"\"C:\\b.exe\" \"file:///C:/Q/Quorvane.html#Bienvenue\""},
      {L"b.exe 100% %2", L"b.exe 100% %2 \"file:///C:/Q/Quorvane.html#Bienvenue\""},
      // A '%' last in the template; the '1' past the end of the view is not part of it.
      {std::wstring_view(L"b.exe %1", 7), L"b.exe % \"file:///C:/Q/Quorvane.html#Bienvenue\""},
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::BrowserCommandLine(c.modele, url), c.ligne) << std::wstring(c.modele);
}

}  // namespace
