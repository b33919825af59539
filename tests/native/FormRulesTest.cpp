#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/FormRules.h"

namespace {

using ui::kKeyPageDown;
using ui::kKeyPageUp;
using ui::kKeyTab;

TEST(Scaled, AuPixelLePlusProcheLesMoitiesLoinDeZero) {
  struct Cas {
    int longueur, dpi, attendu;
  };
  const Cas cas[] = {
      {568, 96, 568},  {568, 120, 710}, {515, 120, 644},  // 643.75
      {515, 144, 773},                                    // 772.5: a half goes up
      {301, 144, 452},                                    // 451.5
      {11, 144, 17},                                      // 16.5: the regular font's height
      {13, 120, 16},                                      // 16.25
      {1, 144, 2},     {-1, 144, -2},                     // halves away from 0 on both sides
      {0, 192, 0},     {385, 192, 770},
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::Scaled(c.longueur, c.dpi), c.attendu) << c.longueur << " at " << c.dpi;
  // Every length within half a pixel of its exact scale.
  for (int dpi : {120, 144, 168, 192, 240})
    for (int v = 0; v <= 1200; ++v) ASSERT_LE(std::abs(ui::Scaled(v, dpi) * 96 - v * dpi), 48) << v << " at " << dpi;
}

// The main window (568 x 515 at 96 dpi) and the about box (301 x 385) at each scale of the scaled-window
// tests.
TEST(ScaledClient, LesDeuxFenetresAChaqueEchelle) {
  const ui::FormDesc fiche{L"", L"", 568, 515, ui::BorderStyle::Single, {}, {}};
  const ui::FormDesc aPropos{L"", L"", 301, 385, ui::BorderStyle::Dialog, {}, {}};
  struct Cas {
    int dpi;
    ui::PixelSize fiche, aPropos;
  };
  const Cas cas[] = {
      {96, {568, 515}, {301, 385}},
      {120, {710, 644}, {376, 481}},
      {144, {852, 773}, {452, 578}},
      {192, {1136, 1030}, {602, 770}},
  };
  for (const Cas& c : cas) {
    const ui::PixelSize f = ui::ScaledClient(fiche, c.dpi), a = ui::ScaledClient(aPropos, c.dpi);
    EXPECT_EQ(f.width, c.fiche.width) << c.dpi;
    EXPECT_EQ(f.height, c.fiche.height) << c.dpi;
    EXPECT_EQ(a.width, c.aPropos.width) << c.dpi;
    EXPECT_EQ(a.height, c.aPropos.height) << c.dpi;
  }
}

TEST(ScaledBounds, LaPlaceEtLaTailleChacuneALEchelle) {
  struct Cas {
    const char* quoi;
    int x, y, largeur, hauteur, dpi;
    ui::PixelBox attendu;
  };
  const Cas cas[] = {
      {"the tab control at 144 dpi", 160, 120, 337, 313, 144, {240, 180, 746, 650}},
      {"a tab page at 120 dpi", 3, 27, 331, 283, 120, {4, 34, 418, 388}},
      {"the status bar at 192 dpi", 0, 496, 568, 19, 192, {0, 992, 1136, 1030}},
      // 1.5 pixels each way: 2 pixels wide wherever it lies, where its far edge scaled whole (3 at 1 + 1)
      // would leave it 1 pixel wide at 1, 1.
      {"a 1-pixel square at 1, 1", 1, 1, 1, 1, 144, {2, 2, 4, 4}},
      {"a 1-pixel square at 2, 2", 2, 2, 1, 1, 144, {3, 3, 5, 5}},
  };
  for (const Cas& c : cas) {
    const ui::ControlDesc ligne{ui::Kind::Panel, "", nullptr, c.x, c.y, c.largeur, c.hauteur, L""};
    const ui::PixelBox b = ui::ScaledBounds(ligne, c.dpi);
    EXPECT_EQ(b.left, c.attendu.left) << c.quoi;
    EXPECT_EQ(b.top, c.attendu.top) << c.quoi;
    EXPECT_EQ(b.right, c.attendu.right) << c.quoi;
    EXPECT_EQ(b.bottom, c.attendu.bottom) << c.quoi;
  }
}

// Five tabs. The first eleven rows go on from the first tab, each from where the one before left it.
TEST(TabAfterKey, OngletSuivantOuPrecedentEnBouclant) {
  struct Cas {
    int choisi;
    unsigned touche;
    bool maj;
    int attendu;
  };
  const Cas cas[] = {
      {0, kKeyTab, false, 1},      {1, kKeyPageDown, false, 2}, {2, kKeyTab, true, 1},       {1, kKeyPageUp, false, 0},
      {0, kKeyPageUp, false, 4},    // round to the last
      {4, kKeyPageDown, false, 0},  // and back to the first
      {0, kKeyTab, true, 4},       {4, kKeyTab, false, 0},      {0, kKeyPageDown, false, 1}, {1, kKeyPageUp, false, 0},
      {0, kKeyPageUp, false, 4},   {-1, kKeyTab, false, 1},  // none selected: from the first
      {2, kKeyPageDown, true, 3},                            // Shift turns only Tab round
      {2, kKeyPageUp, true, 1},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(ui::TabAfterKey(c.choisi, 5, c.touche, c.maj), c.attendu)
        << c.choisi << " key " << c.touche << " shift " << c.maj;
  EXPECT_EQ(ui::TabAfterKey(0, 1, kKeyTab, false), 0) << "a single tab stays";
  EXPECT_EQ(ui::TabAfterKey(0, 0, kKeyTab, false), std::nullopt) << "no tab";
  EXPECT_EQ(ui::TabAfterKey(0, 5, 0x25 /* VK_LEFT */, false), std::nullopt);
  EXPECT_EQ(ui::TabAfterKey(0, 5, 0x0D /* VK_RETURN */, true), std::nullopt);
}

}  // namespace
