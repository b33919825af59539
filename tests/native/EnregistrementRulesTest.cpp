#include <gtest/gtest.h>

#include "assess/EnregistrementRules.h"

namespace {

TEST(Enregistrement, DossierEtNomTemporaire) {
  struct Cas {
    std::wstring cible, dossier;
  };
  const Cas cas[] = {
      {L"C:\\Users\\Léa\\rapport.txt", L"C:\\Users\\Léa\\"},
      {L"C:\\rapport.txt", L"C:\\"},
      {L"Z:/tmp/rapport.txt", L"Z:/tmp/"},
      {L"\\\\serveur\\partage\\r.txt", L"\\\\serveur\\partage\\"},
      {L"C:rapport.txt", L"C:"},
      {L"rapport.txt", L""},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(bilan::DossierDe(c.cible), c.dossier) << c.cible;
    const std::wstring temp = bilan::NomTemporaire(c.cible, 0x1234ABCDu);
    EXPECT_EQ(temp, c.dossier + L"~qv1234abcd.tmp") << c.cible;
    EXPECT_NE(temp, c.cible);
  }
  EXPECT_NE(bilan::NomTemporaire(L"C:\\r.txt", 1), bilan::NomTemporaire(L"C:\\r.txt", 2));
  EXPECT_EQ(bilan::NomTemporaire(L"C:\\r.txt", 0), L"C:\\~qv00000000.tmp");
}

TEST(Enregistrement, CheminPourWindows) {
  const std::wstring d255(255, L'd');  // with "C:\\" and "\\r.txt" the path has 264 characters
  struct Cas {
    std::wstring chemin, attendu;
  };
  const Cas cas[] = {
      {L"C:\\Rapports\\r.txt", L"C:\\Rapports\\r.txt"},                               // short: as it is
      {L"C:\\" + std::wstring(256, L'x'), L"C:\\" + std::wstring(256, L'x')},         // 259 + the final zero: fits
      {L"C:\\" + std::wstring(257, L'x'), L"\\\\?\\C:\\" + std::wstring(257, L'x')},  // 260 + zero: too long
      {L"C:\\" + d255 + L"\\r.txt", L"\\\\?\\C:\\" + d255 + L"\\r.txt"},
      {L"z:/" + d255 + L"/r.txt", L"\\\\?\\z:\\" + d255 + L"\\r.txt"},  // the long form takes no '/'
      {L"@:\\" + d255 + L"\\r.txt", L"@:\\" + d255 + L"\\r.txt"},       // '@' is no drive letter
      {L"\\\\serveur\\partage\\" + d255, L"\\\\?\\UNC\\serveur\\partage\\" + d255},
      {L"\\\\?\\C:\\" + d255 + L"\\r.txt", L"\\\\?\\C:\\" + d255 + L"\\r.txt"},  // already long
      {L"Rapports\\" + d255, L"Rapports\\" + d255},                              // relative: not for the long form
      {L"C:" + d255 + L"\\r.txt", L"C:" + d255 + L"\\r.txt"},                    // drive-relative, likewise
  };
  for (const Cas& c : cas) EXPECT_EQ(bilan::CheminPourWindows(c.chemin), c.attendu) << c.chemin.size();
}

}  // namespace
