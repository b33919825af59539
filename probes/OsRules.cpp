#include "probes/OsRules.h"

namespace sondes {
namespace {

constexpr uint32_t kTous = 0xFFFFFFFFu;  // the value is not consulted

struct Ligne {
  uint32_t plateforme;  // 1 = Windows 95 family, 2 = NT family
  uint32_t majeure;
  uint32_t mineure;
  NomOS resultat;
};

// Tested from the top; the first matching row wins. Rows ending a family use kTous as a catch-all.
// clang-format off
constexpr Ligne kTable[] = {
//  platform  major  minor   name                 code
    {1,       kTous, 0,     {"Windows 95",       1}},
    {1,       kTous, 10,    {"Windows 98",       2}},
    {1,       kTous, 90,    {"Windows ME",       5}},
    {1,       kTous, kTous, {"OS inconnu",       0}},
    {2,       3,     kTous, {"Windows NT 3.51",  3}},
    {2,       4,     kTous, {"Windows NT 4",     4}},
    {2,       5,     0,     {"Windows 2000",     6}},
    {2,       5,     kTous, {"Windows XP",       7}},
    {2,       kTous, kTous, {"OS inconnu",       0}},
};
// clang-format on

bool Correspond(uint32_t attendu, uint32_t valeur) { return attendu == kTous || attendu == valeur; }

}  // namespace

NomOS ChoisirOS(uint32_t plateforme, uint32_t majeure, uint32_t mineure) {
  for (const Ligne& l : kTable)
    if (Correspond(l.plateforme, plateforme) && Correspond(l.majeure, majeure) && Correspond(l.mineure, mineure))
      return l.resultat;
  return {"OS inconnu", 0};
}

}  // namespace sondes
