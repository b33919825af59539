// The real program's commands: the about box and the three exit buttons.
#include <gtest/gtest.h>

#include "Pilote.h"
#include "app/About.h"

namespace {

using pilote::Attendre;
using pilote::Cliquer;
using pilote::Controle;
using pilote::Processus;
using pilote::Texte;

HWND Apropos(HWND boite, const char* nom) { return Controle(boite, appli::kFormeAboutBox, nom); }

// Opens the about box with its button; nullptr when it does not come up.
HWND Ouvrir(const Processus& p, HWND fiche) {
  Cliquer(Controle(fiche, "LMDMMButton2"));
  return p.Fenetre(L"TAboutBox", 10000);
}

bool Fermee(HWND boite, HWND fiche) {
  return Attendre([&] { return !IsWindowVisible(boite) && IsWindowEnabled(fiche); }, 5000);
}

// The program started, its about box opened by its button.
class AProposOuverte : public testing::Test {
 protected:
  void SetUp() override {
    fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr);
    boite = Ouvrir(p, fiche);
    ASSERT_NE(boite, nullptr);
  }

  Processus p{pilote::Copie(L"Q_apropos.exe")};
  HWND fiche = nullptr, boite = nullptr;
};

TEST_F(AProposOuverte, LaBoiteEstModaleCentreeEtMontreSesTextes) {
  EXPECT_EQ(Texte(boite), L"A propos");
  EXPECT_FALSE(IsWindowEnabled(fiche)) << "the main window takes no input while the box is shown";
  EXPECT_EQ(GetWindow(boite, GW_OWNER), fiche);
  const LONG style = GetWindowLongW(boite, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  RECT client, cadre;
  GetClientRect(boite, &client);
  GetWindowRect(boite, &cadre);
  EXPECT_EQ(client.right, 301);
  EXPECT_EQ(client.bottom, 385);
  EXPECT_EQ(cadre.left, (GetSystemMetrics(SM_CXSCREEN) - (cadre.right - cadre.left)) / 2);
  EXPECT_EQ(cadre.top, (GetSystemMetrics(SM_CYSCREEN) - (cadre.bottom - cadre.top)) / 2);

  struct Ligne {
    const char* nom;
    const wchar_t* texte;  // the whole text, or a part of it for the lines given by role
    bool exact;
  };
  const Ligne lignes[] = {
      {"ProductName", L"Quorvane", true},      {"Version", L"Version " QUORVANE_VERSION, true},
      {"Copyright", L"2004", false},           {"Label6", L"l'équipe Quorvane", false},
      {"Label8", L"l'équipe Quorvane", false}, {"Label4", L"Date de la configuration minimale : 7 mai 2004.", true},
      {"Label1", L"example.org", false},       {"Label3", L"example.org", false},
      {"Label7", L"@example.org", false},      {"OKButton", L"OK", true},
  };
  for (const Ligne& l : lignes) {
    const std::wstring texte = Texte(Apropos(boite, l.nom));
    if (l.exact)
      EXPECT_EQ(texte, l.texte) << l.nom;
    else
      EXPECT_NE(texte.find(l.texte), std::wstring::npos) << l.nom << ": " << testing::PrintToString(texte);
  }
  // The word-wrapped notices keep their width; the fixed one its height too.
  RECT r;
  GetClientRect(Apropos(boite, "Label5"), &r);
  EXPECT_EQ(r.right, 273);
  EXPECT_EQ(r.bottom, 33);
  GetClientRect(Apropos(boite, "Comments"), &r);
  EXPECT_EQ(r.right, 271);
  EXPECT_GT(r.bottom, 20) << "several lines";
  EXPECT_EQ(GetWindowLongW(Apropos(boite, "OKButton"), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);

  Cliquer(Apropos(boite, "OKButton"));
  EXPECT_TRUE(Fermee(boite, fiche));
  EXPECT_EQ(p.AttendreFin(0), -1) << "closing the box leaves the program running";
}

TEST_F(AProposOuverte, LaBoiteRevientOuOnLaLaissee) {
  SetWindowPos(boite, nullptr, 37, 54, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(Attendre(
      [&] {
        RECT r;
        GetWindowRect(boite, &r);
        return r.left == 37 && r.top == 54;
      },
      5000));

  // Each way of closing it, then it comes back at the moved place.
  const std::function<void()> fermetures[] = {
      [&] { Cliquer(Apropos(boite, "OKButton")); },
      [&] { PostMessageW(boite, WM_KEYDOWN, VK_RETURN, 0x001C0001); },
      [&] { PostMessageW(boite, WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  for (size_t i = 0; i < std::size(fermetures); ++i) {
    fermetures[i]();
    ASSERT_TRUE(Fermee(boite, fiche)) << "way " << i;
    ASSERT_EQ(Ouvrir(p, fiche), boite) << "way " << i;
    RECT r;
    GetWindowRect(boite, &r);
    EXPECT_EQ(r.left, 37) << "way " << i;
    EXPECT_EQ(r.top, 54) << "way " << i;
    EXPECT_FALSE(IsWindowEnabled(fiche));
  }
}

TEST(Commandes, ChaqueBoutonDeSortieTermineLeProgrammeSansQuestion) {
  for (const char* bouton : {"LMDMMButton1", "BtnCheck", "LBtnX"}) {
    Processus p(pilote::Copie(L"Q_sortie.exe"));
    HWND fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr) << bouton;
    Cliquer(Controle(fiche, bouton));
    EXPECT_EQ(p.AttendreFin(10000), 0) << bouton;
  }
}

}  // namespace
