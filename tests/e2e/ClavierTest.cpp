// The keyboard alone, with real key presses: the Tab stops and their focus cues, the tabs from any control,
// Enter and Space on a picture button.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Pilote.h"

namespace {

using pilote::Attendre;
using pilote::Controle;
using pilote::Focus;
using pilote::Touches;

// The program answers a key within milliseconds; the guard only ends a hung run.
constexpr DWORD kGarde = 10000;

const char* const kArrets[] = {"BtnHelp", "LMDMMButton2", "LMDMMButton3", "LMDMMButton1", "BtnCheck", "LBtnX", "Tabs"};
const char* const kPages[] = {"TabCPU", "TabMemoire", "TabCV", "TabOS", "TabDX"};

class Clavier : public testing::Test {
 protected:
  void SetUp() override {
    fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr);
    onglets = Controle(fiche, "Tabs");
    // The mouse away from the window, so that no hint comes up over what is looked at.
    SetCursorPos(0, 0);
    SetForegroundWindow(fiche);
  }

  bool FocusSur(HWND h) const {
    return Attendre([&] { return Focus(fiche) == h; }, kGarde);
  }
  // Tab until the focus is on that control.
  bool Atteindre(const char* nom) const {
    HWND cible = Controle(fiche, nom);
    for (size_t i = 0; i <= std::size(kArrets) && Focus(fiche) != cible; ++i) {
      HWND avant = Focus(fiche);
      Touches({VK_TAB});
      if (!Attendre([&] { return Focus(fiche) != avant; }, kGarde)) return false;
    }
    return Focus(fiche) == cible;
  }
  // Where a control's focus cue is drawn, in the window's client coordinates: a button's face, the tab strip's
  // selected tab.
  std::vector<DWORD> Autour(HWND controle) const {
    RECT r;
    if (controle == onglets) {
      r = pilote::RectOnglet(onglets, static_cast<int>(SendMessageW(onglets, TCM_GETCURSEL, 0, 0)));
      MapWindowPoints(onglets, fiche, reinterpret_cast<POINT*>(&r), 2);
    } else {
      GetWindowRect(controle, &r);
      MapWindowPoints(nullptr, fiche, reinterpret_cast<POINT*>(&r), 2);
    }
    return pilote::Pixels(fiche, r);
  }
  // The same, once the window has stopped repainting it.
  std::vector<DWORD> AuRepos(HWND controle) const {
    std::vector<DWORD> avant = Autour(controle);
    Attendre(
        [&] {
          Sleep(200);
          std::vector<DWORD> apres = Autour(controle);
          return std::exchange(avant, apres) == apres;
        },
        kGarde);
    return avant;
  }

  pilote::Processus p{pilote::Copie(L"Q_clavier.exe")};
  HWND fiche = nullptr, onglets = nullptr;
};

TEST_F(Clavier, ChaqueArretDeTabulationMontreLeFocusQuandIlArriveEtLEffaceQuandIlPart) {
  ASSERT_TRUE(FocusSur(onglets)) << "the tab strip has the focus at start";
  // From the first stop on, once the keyboard has shown the cues (Wine shows them from the start), round
  // the Tab order back to the first stop.
  Touches({VK_TAB});
  ASSERT_TRUE(FocusSur(Controle(fiche, kArrets[0])));
  const size_t n = std::size(kArrets);
  for (size_t i = 1; i <= n; ++i) {
    HWND arrive = Controle(fiche, kArrets[i % n]), part = Controle(fiche, kArrets[i - 1]);
    const std::vector<DWORD> avantArrive = AuRepos(arrive), avantPart = AuRepos(part);
    Touches({VK_TAB});
    ASSERT_TRUE(FocusSur(arrive)) << kArrets[i % n];
    EXPECT_TRUE(Attendre([&] { return Autour(arrive) != avantArrive; }, kGarde))
        << "the focus shows on " << kArrets[i % n];
    EXPECT_TRUE(Attendre([&] { return Autour(part) != avantPart; }, kGarde)) << "the focus leaves " << kArrets[i - 1];
  }
}

TEST_F(Clavier, CtrlTabEtCtrlPagesChangentDOngletDeNImporteQuelControleEnBouclant) {
  struct Ligne {
    const char* depuis;
    std::vector<WORD> touches;
    int onglet;  // selected afterwards, from the first at start
  };
  // One row per key, from the tab strip and from a button; which tab each key selects from which is the
  // rule's (TabAfterKey, tests/native/FormRulesTest.cpp).
  const Ligne lignes[] = {
      {"Tabs", {VK_CONTROL, VK_PRIOR}, 4},        // round to the last
      {"LMDMMButton3", {VK_CONTROL, VK_TAB}, 0},  // and back to the first
      {"Tabs", {VK_CONTROL, VK_NEXT}, 1},
      {"LMDMMButton3", {VK_CONTROL, VK_SHIFT, VK_TAB}, 0},
  };
  // As after a click: the tab selected, its page the only one on show and the only one enabled. The
  // selection changes a moment before the pages do.
  auto montre = [&](int onglet) {
    if (SendMessageW(onglets, TCM_GETCURSEL, 0, 0) != onglet) return false;
    for (int i = 0; i < 5; ++i) {
      HWND page = Controle(fiche, kPages[i]);
      if ((IsWindowVisible(page) != FALSE) != (i == onglet) || (IsWindowEnabled(page) != FALSE) != (i == onglet))
        return false;
    }
    return true;
  };
  for (const Ligne& l : lignes) {
    ASSERT_TRUE(Atteindre(l.depuis)) << l.depuis;
    Touches(l.touches);
    EXPECT_TRUE(Attendre([&] { return montre(l.onglet); }, kGarde)) << l.depuis << " to tab " << l.onglet;
    EXPECT_EQ(Focus(fiche), Controle(fiche, l.depuis)) << "the focus stays";
  }
}

TEST_F(Clavier, EntreeEtEspacePressentLeBoutonEtLeFocusYRevientApresLaBoite) {
  HWND bouton = Controle(fiche, "LMDMMButton2");
  for (WORD touche : {WORD{VK_RETURN}, WORD{VK_SPACE}}) {
    ASSERT_TRUE(Atteindre("LMDMMButton2"));
    Touches({touche});
    HWND boite = p.Fenetre(L"TAboutBox", kGarde);
    ASSERT_NE(boite, nullptr) << "key " << touche;
    ASSERT_TRUE(Attendre([&] { return IsChild(boite, Focus(boite)); }, kGarde));
    Touches({VK_RETURN});
    EXPECT_TRUE(Attendre([&] { return !IsWindowVisible(boite) && IsWindowEnabled(fiche); }, kGarde)) << touche;
    EXPECT_TRUE(FocusSur(bouton)) << "key " << touche << ": the focus is back on the button";
  }
}

}  // namespace
