#include <gtest/gtest.h>

#include "ui/TextRules.h"

namespace {

TEST(TexteBoiteErreur, PointFinal) {
  struct Cas {
    const wchar_t* message;
    const wchar_t* affiche;
  };
  const Cas cas[] = {
      {L"Impossible de créer le fichier C:\\x\\y.txt", L"Impossible de créer le fichier C:\\x\\y.txt."},
      {L"Erreur d'écriture dans le flux", L"Erreur d'écriture dans le flux."},
      {L"", L""},                         // nothing to end
      {L"Déjà fini.", L"Déjà fini."},      // '.' itself does not sort after '.'
      {L"Quoi ?", L"Quoi ?."},             // '?' (0x3F) sorts after '.' (0x2E)
      {L"Fin !", L"Fin !"},                // '!' is 0x21, before '.'
      {L"Liste,", L"Liste,"},              // ',' is 0x2C
      {L"chemin/", L"chemin/."},           // '/' is 0x2F
      {L"valeur 0", L"valeur 0."},
      {L"parenthèse)", L"parenthèse)"},    // ')' is 0x29
      {L"fichier été", L"fichier été."},   // accented letters sort after '.'
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::TexteBoiteErreur(c.message), c.affiche) << c.message;
}

TEST(OptionsVersOctets, SelonLaPageDeCode) {
  struct Cas {
    uint32_t page;
    uint32_t options;
  };
  const Cas cas[] = {
      {1252, 0x400}, {1251, 0x400}, {932, 0x400}, {936, 0x400}, {437, 0x400}, {20127, 0x400},
      {65001, 0},    {65000, 0},    {65002, 0x400},  // UTF-8 and UTF-7 only
      {54936, 0},    {42, 0},       {41, 0x400},  {43, 0x400},
      {50220, 0},    {50221, 0},    {50222, 0},   {50223, 0x400}, {50225, 0}, {50227, 0}, {50229, 0},
      {50219, 0x400}, {50224, 0x400}, {50226, 0x400}, {50228, 0x400}, {50230, 0x400},
      {57001, 0x400}, {57002, 0},   {57011, 0},   {57012, 0x400},
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::OptionsVersOctets(c.page), c.options) << c.page;
}

}  // namespace
