#include <gtest/gtest.h>

#include <string>

#include "probes/OsRules.h"

namespace {

struct Cas {
  uint32_t plateforme, majeure, mineure;
  const char* nom;
  int32_t code;
};

// Every row of the decision table, its boundaries, and the values that must fall through to "OS inconnu".
const Cas kCas[] = {
    {1, 4, 0, "Windows 95", 1},       {1, 99, 0, "Windows 95", 1},  // the major version is never looked at
    {1, 4, 10, "Windows 98", 2},      {1, 0, 10, "Windows 98", 2},      {1, 4, 90, "Windows ME", 5},
    {1, 4, 3, "OS inconnu", 0},       {1, 4, 9, "OS inconnu", 0},       {1, 4, 91, "OS inconnu", 0},
    {2, 3, 10, "Windows NT 3.51", 3}, {2, 3, 50, "Windows NT 3.51", 3}, {2, 3, 51, "Windows NT 3.51", 3},
    {2, 4, 0, "Windows NT 4", 4},     {2, 4, 7, "Windows NT 4", 4},     {2, 5, 0, "Windows 2000", 6},
    {2, 5, 1, "Windows XP", 7},       {2, 5, 2, "Windows XP", 7},       {2, 5, 0xFFFFFFFF, "Windows XP", 7},
    {2, 6, 0, "OS inconnu", 0},       {2, 6, 1, "OS inconnu", 0},       {2, 6, 2, "OS inconnu", 0},
    {2, 6, 3, "OS inconnu", 0},       {2, 10, 0, "OS inconnu", 0},      {2, 0, 0, "OS inconnu", 0},
    {2, 2, 0, "OS inconnu", 0},       {0, 5, 1, "OS inconnu", 0},       {3, 5, 1, "OS inconnu", 0},
    {0, 0, 0, "OS inconnu", 0},
};

TEST(ChoisirOS, TableDeDecision) {
  for (const Cas& c : kCas) {
    const auto r = sondes::ChoisirOS(c.plateforme, c.majeure, c.mineure);
    EXPECT_EQ(std::string(r.nom), c.nom) << c.plateforme << " " << c.majeure << "." << c.mineure;
    EXPECT_EQ(r.code, c.code) << c.plateforme << " " << c.majeure << "." << c.mineure;
  }
}

// Every name of the table, its servers by their builds, the multi-session client, and the fallback.
TEST(NomSysteme, ChaqueNomDeSaTable) {
  struct Nom {
    uint32_t plateforme, majeure, mineure, build;
    uint8_t type;
    uint32_t edition;
    const char* nom;
  };
  constexpr uint8_t kPoste = 1, kControleur = 2, kServeur = 3;
  // clang-format off
  const Nom noms[] = {
      {2, 10, 0, 26100, kPoste,   0,    "Windows 11 (build 26100)"},
      {2, 10, 0, 22000, kPoste,   0,    "Windows 11 (build 22000)"},
      {2, 10, 0, 21999, kPoste,   0,    "Windows 10 (build 21999)"},
      {2, 10, 0, 10240, kPoste,   0,    "Windows 10 (build 10240)"},
      {2, 10, 0, 26100, kServeur, 0,    "Windows Server 2025 (build 26100)"},
      {2, 10, 0, 25398, kServeur, 0,    "Windows Server (build 25398)"},
      {2, 10, 0, 20348, kServeur, 0,    "Windows Server 2022 (build 20348)"},
      {2, 10, 0, 20349, kServeur, 0,    "Windows Server (build 20349)"},
      {2, 10, 0, 17763, kControleur, 0, "Windows Server 2019 (build 17763)"},
      {2, 10, 0, 14393, kServeur, 0,    "Windows Server 2016 (build 14393)"},
      {2, 10, 0, 10240, kServeur, 0,    "Windows Server (build 10240)"},
      {2, 11, 0, 30000, kServeur, 0,    "Windows Server (build 30000)"},
      {2, 10, 0, 19045, kServeur, 0xAF, "Windows 10 (build 19045)"},  // Enterprise multi-session
      {2, 10, 0, 22631, kServeur, 0xAF, "Windows 11 (build 22631)"},
      {2, 10, 0, 20348, kServeur, 0x08, "Windows Server 2022 (build 20348)"},  // Datacenter
      {2, 6,  3, 9600,  kPoste,   0,    "Windows 8.1 (build 9600)"},
      {2, 6,  3, 9600,  kServeur, 0,    "Windows Server 2012 R2 (build 9600)"},
      {2, 6,  2, 9200,  kPoste,   0,    "Windows 8 (build 9200)"},
      {2, 6,  2, 9200,  kServeur, 0,    "Windows Server 2012 (build 9200)"},
      {2, 6,  1, 7601,  kPoste,   0,    "Windows 7 (build 7601)"},
      {2, 6,  1, 7601,  kServeur, 0,    "Windows Server 2008 R2 (build 7601)"},
      {2, 6,  0, 6002,  kPoste,   0,    "Windows Vista (build 6002)"},
      {2, 6,  0, 6002,  kServeur, 0,    "Windows Server 2008 (build 6002)"},
      {2, 5,  2, 3790,  kPoste,   0,    "Windows XP x64 (build 3790)"},
      {2, 5,  2, 3790,  kServeur, 0,    "Windows Server 2003 (build 3790)"},
      {2, 5,  1, 2600,  0,        0,    "Windows XP (build 2600)"},
      {2, 5,  0, 2195,  kPoste,   0,    "Windows 2000 (build 2195)"},
      {2, 5,  0, 2195,  kServeur, 0,    "Windows 2000 Server (build 2195)"},
      {2, 4,  0, 1381,  kPoste,   0,    "Windows NT 4.0 (build 1381)"},
      {2, 4,  0, 1381,  kServeur, 0,    "Windows NT 4.0 Server (build 1381)"},
      {2, 3,  51, 1057, kPoste,   0,    "Windows NT 3.51 (build 1057)"},
      {2, 3,  51, 1057, kServeur, 0,    "Windows NT 3.51 Server (build 1057)"},
      {2, 3,  10, 528,  kPoste,   0,    "Windows 3.10 (build 528)"},
      // Windows 9x: the build in the low word.
      {1, 4,  90, 0x045A0BB8, 0,  0,    "Windows ME (build 3000)"},
      {1, 4,  10, 0x040A08AE, 0,  0,    "Windows 98 (build 2222)"},
      {1, 4,  0,  0x040003B6, 0,  0,    "Windows 95 (build 950)"},
      {1, 3,  95, 0x0003005F, 0,  0,    "Windows 3.95 (build 95)"},
  };
  // clang-format on
  for (const Nom& n : noms)
    EXPECT_EQ(sondes::NomSysteme(n.plateforme, n.majeure, n.mineure, n.build, n.type, n.edition), n.nom) << n.nom;
}

}  // namespace
