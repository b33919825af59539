#include <gtest/gtest.h>

#include "ui/TextRules.h"

namespace {

TEST(ErrorBoxText, PointFinal) {
  struct Cas {
    const wchar_t* message;
    const wchar_t* affiche;
  };
  const Cas cas[] = {
      {L"Impossible de créer le fichier C:\\x\\y.txt", L"Impossible de créer le fichier C:\\x\\y.txt."},
      {L"Erreur d'écriture dans le flux", L"Erreur d'écriture dans le flux."},
      {L"", L""},                      // nothing to end
      {L"Déjà fini.", L"Déjà fini."},  // '.' itself does not sort after '.'
      {L"Quoi ?", L"Quoi ?."},         // '?' (0x3F) sorts after '.' (0x2E)
      {L"Fin !", L"Fin !"},            // '!' is 0x21, before '.'
      {L"Liste,", L"Liste,"},          // ',' is 0x2C
      {L"chemin/", L"chemin/."},       // '/' is 0x2F
      {L"valeur 0", L"valeur 0."},
      {L"parenthèse)", L"parenthèse)"},   // ')' is 0x29
      {L"fichier été", L"fichier été."},  // accented letters sort after '.'
  };
  for (const Cas& c : cas) EXPECT_EQ(ui::ErrorBoxText(c.message), c.affiche) << c.message;
}

}  // namespace
