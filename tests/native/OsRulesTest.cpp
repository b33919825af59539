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

}  // namespace
