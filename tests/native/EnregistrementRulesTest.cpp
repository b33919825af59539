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
    EXPECT_EQ(rapport::DossierDe(c.cible), c.dossier) << c.cible;
    const std::wstring temp = rapport::NomTemporaire(c.cible, 0x1234ABCDu);
    EXPECT_EQ(temp, c.dossier + L"~qv1234abcd.tmp") << c.cible;
    EXPECT_NE(temp, c.cible);
  }
  EXPECT_NE(rapport::NomTemporaire(L"C:\\r.txt", 1), rapport::NomTemporaire(L"C:\\r.txt", 2));
  EXPECT_EQ(rapport::NomTemporaire(L"C:\\r.txt", 0), L"C:\\~qv00000000.tmp");
}

}  // namespace
