#include <gtest/gtest.h>

#include "ui/ThemeRules.h"

namespace {

using ui::TabStyle;

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

TEST(ParseTheme, UnFichierCompletRemplaceChaqueValeur) {
  const auto style = ui::ParseTheme(
      "\xEF\xBB\xBF; thème vert\r\n"
      "[Onglets]  ; onglets\r\n"
      "Bordure = #102030\r\n"
      "corps=1,2,3\r\n"
      "Haut = 124, 196, 106  ; en haut\r\n"
      "\tBas=#286E1E\r\n"
      "Texte =\t#FFFFFF\t ; blanc\r\n"
      "TexteActif = 0,0,0\r\n"
      "ACCENT = #ff8000\r\n"
      "Decalage = 100\r\n");  // the largest offset
  ASSERT_TRUE(style);
  EXPECT_EQ(style->border, Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(style->body, Rgb(1, 2, 3));
  EXPECT_EQ(style->top, Rgb(124, 196, 106));
  EXPECT_EQ(style->bottom, Rgb(0x28, 0x6E, 0x1E));
  EXPECT_EQ(style->text, Rgb(255, 255, 255));
  EXPECT_EQ(style->activeText, 0u);
  EXPECT_EQ(style->accent, Rgb(255, 128, 0));
  EXPECT_EQ(style->offset, 100);
}

TEST(ParseTheme, UnFichierPartielGardeLeStyleIntegrePourLeReste) {
  const TabStyle integre;
  EXPECT_EQ(integre.border, 8092539u);
  EXPECT_EQ(integre.offset, 10);
  EXPECT_EQ(integre.body, Rgb(255, 255, 255));

  const auto style = ui::ParseTheme(
      "Bas = #000000\n"  // a known key before any section: skipped
      "[Autre]\nHaut = n'importe quoi\n"
      "[Onglets]\nHaut=#000080\nLueur = #FFFFFF\n"  // an unknown key is skipped
      "Bord = #FFFFFF\nBis = #FFFFFF\n"             // keys match whole, letter by letter: not Bordure, not Bas
      "\tDecalage  = 5\n"                           // blanks around a key are not part of it
      "[Fin]\n");
  ASSERT_TRUE(style);
  EXPECT_EQ(style->top, Rgb(0, 0, 0x80));
  EXPECT_EQ(style->bottom, integre.bottom);
  EXPECT_EQ(style->border, integre.border);
  EXPECT_EQ(style->offset, 5);

  const auto vide = ui::ParseTheme("[onglets]\n");
  ASSERT_TRUE(vide);
  EXPECT_EQ(vide->accent, integre.accent);
  EXPECT_EQ(vide->offset, integre.offset);  // a missing offset keeps the built-in one
}

TEST(ParseTheme, UnFichierMalFormeEstRefuse) {
  const std::string_view cas[] = {
      "",                                   // no section
      "Haut = #000080\n",                   // keys, but no [Onglets]
      "[Onglets]\nHaut = #000080\n[Fin\n",  // unclosed section
      "[Onglets]\nHaut #000080\n",          // no '='
      "[Onglets]\n= #000080\n",             // no key
      "[Onglets]\nHaut = #00080\n",         // five digits
      "[Onglets]\nHaut = #0000GG\n",
      "[Onglets]\nHaut = 128\n",  // one number is no colour
      "[Onglets]\nHaut = 1, 2\n",
      "[Onglets]\nHaut = 1, 2, 256\n",
      "[Onglets]\nHaut = -1, 2, 3\n",
      "[Onglets]\nHaut = 1, 2, 3, 4\n",
      "[Onglets]\nHaut =\n",
      "[Onglets]\nDecalage = 101\n",
      "[Onglets]\nDecalage = dix\n",
      "[Onglets]\n; \x01\nHaut = #000080\n",                            // a control byte, even in a comment
      std::string_view("[Onglets]\nHaut = #000080\n\0\0\x01\x02", 28),  // binary tail
      "\x89PNG\r\n\x1A\n\0\0\0\rIHDR",
      "MZ\x90\0\x03\0\0\0",
  };
  for (std::string_view text : cas) EXPECT_FALSE(ui::ParseTheme(text)) << text;
}

}  // namespace
