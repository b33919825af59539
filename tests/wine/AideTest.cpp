// The help command's requests to the help engine, recorded instead of shown.
#include <gtest/gtest.h>

#include <memory>

#include "Documente.h"
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "app/Cfg.h"
#include "ui/Application.h"

namespace {

struct Requete {
  HWND proprietaire;
  std::string fichier;
  UINT commande;
  std::string macro;  // HELP_COMMAND's text; empty otherwise

  bool operator==(const Requete&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Requete& r) {
  return os << "{" << r.fichier << ", " << r.commande << ", " << r.macro << "}";
}

class Enregistreur : public ui::HelpEngine {
 public:
  bool WinHelp(HWND proprietaire, const std::string& fichier, UINT commande, ULONG_PTR donnees) override {
    const bool texte = commande == HELP_COMMAND && donnees;
    requetes.push_back({proprietaire, fichier, commande, texte ? reinterpret_cast<const char*>(donnees) : ""});
    if (!texte) {
      EXPECT_EQ(donnees, 0u) << commande;
    }
    return commande != HELP_CONTENTS || sommaireReussi;
  }
  std::vector<Requete> requetes;
  bool sommaireReussi = true;
};

class Aide : public FicheScriptee {
 protected:
  void SetUp() override {
    ui::Application->SetHelpFile("C:\\Program Files\\FastHelp\\Quorvane\\WinHelp\\Quorvane.hlp");
    ui::Application->SetHelpEngine(&moteur);
    FicheScriptee::SetUp();
  }
  void TearDown() override {
    FicheScriptee::TearDown();
    ui::Application->SetHelpEngine(nullptr);
    ui::Application->SetHelpFile("");
  }

  Enregistreur moteur;
};

TEST_F(Aide, LeBoutonDemandeLeSommaireEtLeSujetDuFichierNu) {
  using Commande = void (appli::TFichePrinc::*)(ui::Control*);
  for (Commande commande : {&appli::TFichePrinc::BtnHelpClick, &appli::TFichePrinc::CmdAideClick}) {
    moteur.requetes.clear();
    (fiche.get()->*commande)(fiche->BtnHelp);
    ASSERT_EQ(moteur.requetes.size(), 2u);
    // Before the main form exists the hidden application window owns the help.
    HWND proprietaire = moteur.requetes[0].proprietaire;
    EXPECT_NE(proprietaire, nullptr);
    const std::vector<Requete> attendues{
        {proprietaire, "Quorvane.hlp", HELP_CONTENTS, ""},
        {proprietaire, "Quorvane.hlp", HELP_COMMAND, "JumpID(\"\",\"Bienvenue\")"},
    };
    EXPECT_EQ(moteur.requetes, attendues);
    EXPECT_EQ(ui::Application->HelpFile(), "Quorvane.hlp");
  }
  EXPECT_TRUE(gErreurs.empty());
}

TEST_F(Aide, RienNeSuitUnSommaireEnEchec) {
  moteur.sommaireReussi = false;
  fiche->BtnHelpClick(fiche->BtnHelp);
  ASSERT_EQ(moteur.requetes.size(), 1u);
  EXPECT_EQ(moteur.requetes[0].commande, static_cast<UINT>(HELP_CONTENTS));
  EXPECT_EQ(moteur.requetes[0].fichier, "Quorvane.hlp");
  EXPECT_TRUE(gErreurs.empty()) << "the program reports nothing of its own";
}

TEST_F(Aide, F1NOuvreRien) {
  fiche->Show();
  SetForegroundWindow(fiche->Handle());
  // A real key press: the system makes F1 into a help request only for keyboard input.
  for (HWND cible : {fiche->Handle(), fiche->Tabs->Handle()}) {
    SetFocus(cible);
    INPUT touches[2]{};
    for (INPUT& t : touches) t.type = INPUT_KEYBOARD, t.ki.wVk = VK_F1;
    touches[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, touches, sizeof(INPUT)), 2u);
    for (int i = 0; i < 10; ++i) Sleep(20), Pomper();
  }
  EXPECT_TRUE(moteur.requetes.empty());
}

TEST(AideFin, LaFinDuProgrammeDitAuMoteurDeQuitter) {
  for (const char* fichier : {"Quorvane.hlp", ""}) {
    Enregistreur moteur;
    {
      ui::TApplication application;
      application.SetHelpEngine(&moteur);
      application.SetHelpFile(fichier);
    }
    if (*fichier) {
      ASSERT_EQ(moteur.requetes.size(), 1u);
      EXPECT_EQ(moteur.requetes[0].commande, static_cast<UINT>(HELP_QUIT));
      EXPECT_EQ(moteur.requetes[0].fichier, fichier);
    } else {
      EXPECT_TRUE(moteur.requetes.empty()) << "no help file, nothing to close";
    }
  }
}

// The page in the browser that the user chose, at the welcome topic, from a program folder whose name has
// blanks, an accent and '#': each escaped in the URL, the anchor kept.
TEST(Navigateur, LeChoixDeLUtilisateurOuvreLaPageALaRubrique) {
  const std::wstring dossier = L"C:\\Jeux vid\u00E9o #1";
  const std::wstring page = dossier + L"\\Quorvane.html";
  CreateDirectoryW(dossier.c_str(), nullptr);
  CloseHandle(CreateFileW(page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const std::wstring url = L"file:///C:/Jeux%20vid%C3%A9o%20%231/Quorvane.html#Bienvenue";
  const std::wstring choisi = L"\"C:\\Navigateur\\choisi.exe\" -url \"%1\"";
  const std::wstring ancien = L"\"C:\\IE\\iexplore.exe\" %1";
  struct Cas {
    const char* quoi;
    std::wstring choixUtilisateur, ancien;
    std::vector<std::wstring> processus, documents;
  };
  const Cas cas[] = {
      {"the user's choice, not the legacy handler",
       choisi,
       ancien,
       {L"\"C:\\Navigateur\\choisi.exe\" -url \"" + url + L"\""},
       {}},
      {"only the legacy handler, as on Windows 7", L"", ancien, {L"\"C:\\IE\\iexplore.exe\" " + url}, {}},
      {"no handler: the page through the shell, at its top", L"", L"", {}, {page}},
  };
  for (const Cas& c : cas) {
    AssociationsDocumentees systeme;
    systeme.choixUtilisateur = c.choixUtilisateur;
    systeme.ancien = c.ancien;
    ui::BrowserHelp moteur(dossier);
    EXPECT_TRUE(moteur.WinHelp(nullptr, "Quorvane.hlp", HELP_COMMAND,
                               reinterpret_cast<ULONG_PTR>("JumpID(\"\",\"Bienvenue\")")))
        << c.quoi;
    EXPECT_EQ(systeme.processus, c.processus) << c.quoi;
    EXPECT_EQ(systeme.documents, c.documents) << c.quoi;
  }
  DeleteFileW(page.c_str());
  RemoveDirectoryW(dossier.c_str());
}

}  // namespace
