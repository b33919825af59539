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

std::string NomSysteme(uint32_t plateforme, uint32_t majeure, uint32_t mineure, uint32_t build, uint8_t typeProduit,
                       uint32_t edition) {
  struct Nom {
    uint32_t plateforme, majeure, mineure, buildMin;
    const char *poste, *serveur;  // no server name: the servers of that version go by their build
  };
  // From the newest down: the first row at or below the version wins.
  // clang-format off
  constexpr Nom kNoms[] = {
      {2, 10, 0, 22000, "Windows 11",     nullptr},
      {2, 10, 0, 0,     "Windows 10",     nullptr},
      {2, 6,  3, 0,     "Windows 8.1",    "Windows Server 2012 R2"},
      {2, 6,  2, 0,     "Windows 8",      "Windows Server 2012"},
      {2, 6,  1, 0,     "Windows 7",      "Windows Server 2008 R2"},
      {2, 6,  0, 0,     "Windows Vista",  "Windows Server 2008"},
      {2, 5,  2, 0,     "Windows XP x64", "Windows Server 2003"},
      {2, 5,  1, 0,     "Windows XP",     "Windows XP"},
      {2, 5,  0, 0,     "Windows 2000",   "Windows 2000 Server"},
      {2, 4,  0, 0,     "Windows NT 4.0", "Windows NT 4.0 Server"},
      {2, 3,  51, 0,    "Windows NT 3.51", "Windows NT 3.51 Server"},
      {1, 4,  90, 0,    "Windows ME",     "Windows ME"},
      {1, 4,  10, 0,    "Windows 98",     "Windows 98"},
      {1, 4,  0, 0,     "Windows 95",     "Windows 95"},
  };
  // Each server release since 2016 shares 10.0 with the clients and has one build; the semi-annual ones
  // (23H2's 25398 among them) are named by their build alone.
  struct Serveur {
    uint32_t build;
    const char* nom;
  };
  constexpr Serveur kServeurs[] = {
      {14393, "Windows Server 2016"}, {17763, "Windows Server 2019"},
      {20348, "Windows Server 2022"}, {26100, "Windows Server 2025"},
  };
  // clang-format on
  // Windows 9x keeps the major and minor version in the build number's high word.
  const uint32_t numero = plateforme == 1 ? build & 0xFFFF : build;
  const std::string suffixe = " (build " + std::to_string(numero) + ")";
  const bool serveur = typeProduit >= 2 && edition != kEditionMultiSession;
  const auto avant = [](uint32_t a1, uint32_t a2, uint32_t a3, uint32_t b1, uint32_t b2, uint32_t b3) {
    return a1 != b1 ? a1 < b1 : a2 != b2 ? a2 < b2 : a3 < b3;
  };
  for (const Nom& n : kNoms) {
    if (n.plateforme != plateforme || avant(majeure, mineure, numero, n.majeure, n.mineure, n.buildMin)) continue;
    if (!serveur) return n.poste + suffixe;
    if (n.serveur) return n.serveur + suffixe;
    for (const Serveur& s : kServeurs)
      if (s.build == numero) return s.nom + suffixe;
    return "Windows Server" + suffixe;
  }
  return "Windows " + std::to_string(majeure) + "." + std::to_string(mineure) + suffixe;
}

}  // namespace sondes
