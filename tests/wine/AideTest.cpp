// The help command's requests to the help engine, recorded instead of shown.
#include <gtest/gtest.h>

#include <memory>

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

class Enregistreur : public ui::MoteurAide {
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
    ui::Application->SetMoteurAide(&moteur);
    FicheScriptee::SetUp();
  }
  void TearDown() override {
    FicheScriptee::TearDown();
    ui::Application->SetMoteurAide(nullptr);
    ui::Application->SetHelpFile("");
  }

  Enregistreur moteur;
};

TEST_F(Aide, LeBoutonDemandeLeSommaireEtLeSujetDuFichierNu) {
  using Commande = void (TFichePrinc::*)(ui::Control*);
  for (Commande commande : {&TFichePrinc::BtnHelpClick, &TFichePrinc::CmdAideClick}) {
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

TEST_F(Aide, UnClicSurLeBoutonPasseParLeMemeChemin) {
  SendMessageW(fiche->BtnHelp->Handle(), BM_CLICK, 0, 0);
  Pomper();
  ASSERT_EQ(moteur.requetes.size(), 2u);
  EXPECT_EQ(moteur.requetes[1].macro, "JumpID(\"\",\"Bienvenue\")");
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
      application.SetMoteurAide(&moteur);
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

}  // namespace
