#include "probes/DxFilesRules.h"

namespace sondes {
namespace {

enum class Condition {
  AuMoins,    // v >= minimum
  Selon4Ou5,  // (first part 4 and v >= minimum) or (first part 5 and v >= minimum5)
  Lisible,    // the version can be read
};

struct Ligne {
  int groupe;           // rows of one group are tested against one read of the file
  const char* fichier;  // in the system directory
  Condition condition;
  uint64_t minimum;
  uint64_t minimum5;  // Selon4Ou5 only
  uint32_t majeur, mineur;
  char lettre;
};

constexpr uint64_t V(uint16_t p1, uint16_t p2, uint16_t p3, uint16_t p4) {
  return uint64_t{p1} << 48 | uint64_t{p2} << 32 | uint64_t{p3} << 16 | p4;
}

// From the oldest DirectX release to the newest; later rows that hold override earlier ones.
// clang-format off
constexpr Ligne kTable[] = {
    // group, file, condition, minimum (Selon4Ou5: for first part 4), minimum for first part 5, then the
    // DirectX version: major, minor, letter
    {1,   "ddraw.dll",    Condition::AuMoins,     V(4, 2, 0, 95),    0,                       1,    0,    ' '},
    {1,   "ddraw.dll",    Condition::AuMoins,     V(4, 3, 0, 1096),  0,                       2,    0,    ' '},
    {1,   "ddraw.dll",    Condition::AuMoins,     V(4, 4, 0, 68),    0,                       3,    0,    ' '},
    {2,   "d3drg8x.dll",  Condition::AuMoins,     V(4, 4, 0, 70),    0,                       3,    0,    'a'},
    {3,   "ddraw.dll",    Condition::AuMoins,     V(4, 5, 0, 155),   0,                       5,    0,    ' '},
    {3,   "ddraw.dll",    Condition::AuMoins,     V(4, 6, 0, 318),   0,                       6,    0,    ' '},
    {3,   "ddraw.dll",    Condition::AuMoins,     V(4, 6, 0, 436),   0,                       6,    1,    ' '},
    {4,   "dplayx.dll",   Condition::AuMoins,     V(4, 6, 3, 518),   0,                       6,    1,    'a'},
    {5,   "ddraw.dll",    Condition::AuMoins,     V(4, 7, 0, 700),   0,                       7,    0,    ' '},
    {6,   "dinput.dll",   Condition::AuMoins,     V(4, 7, 0, 716),   0,                       7,    0,    'a'},
    {7,   "ddraw.dll",    Condition::Selon4Ou5,   V(4, 8, 0, 400),   V(5, 1, 2258, 400),      8,    0,    ' '},
    {8,   "d3d8.dll",     Condition::Selon4Ou5,   V(4, 8, 1, 881),   V(5, 1, 2600, 881),      8,    1,    ' '},
    {8,   "d3d8.dll",     Condition::Selon4Ou5,   V(4, 8, 1, 901),   V(5, 1, 2600, 901),      8,    1,    'a'},
    {9,   "mpg2splt.ax",  Condition::AuMoins,     V(6, 3, 1, 885),   0,                       8,    1,    'b'},
    {10,  "dpnet.dll",    Condition::Selon4Ou5,   V(4, 9, 0, 134),   V(5, 2, 3677, 134),      8,    2,    ' '},
    {11,  "d3d9.dll",     Condition::Lisible,     0,                 0,                       9,    0,    ' '},
};
// clang-format on

bool Tient(const Ligne& l, uint64_t v) {
  const auto auMoins = [v](uint64_t minimum) { return ComparerVersions(v, minimum) >= 0; };
  const uint64_t premierePartie = v >> 48;
  switch (l.condition) {
    case Condition::AuMoins: return auMoins(l.minimum);
    case Condition::Selon4Ou5:
      return (premierePartie == 4 && auMoins(l.minimum)) || (premierePartie == 5 && auMoins(l.minimum5));
    case Condition::Lisible: return true;
  }
  return false;
}

}  // namespace

uint64_t FaireVersion(uint16_t p1, uint16_t p2, uint16_t p3, uint16_t p4) { return V(p1, p2, p3, p4); }

int ComparerVersions(uint64_t x, uint64_t y) {
  const auto hautX = static_cast<uint32_t>(x >> 32), hautY = static_cast<uint32_t>(y >> 32);
  if (hautX != hautY) return hautX > hautY ? 1 : -1;
  const auto basX = static_cast<uint32_t>(x), basY = static_cast<uint32_t>(y);
  if (basX != basY) return basX > basY ? 1 : -1;
  return 0;
}

int EvaluerTableDx(const LectureVersion& lire, uint32_t* majeur, uint32_t* mineur, char* lettre) {
  const auto ecrire = [&](uint32_t ma, uint32_t mi, char le) {
    if (majeur) *majeur = ma;
    if (mineur) *mineur = mi;
    if (lettre) *lettre = le;
  };
  bool trouve = false;
  std::optional<uint64_t> version;
  int groupeLu = 0;
  for (const Ligne& l : kTable) {
    if (l.groupe != groupeLu) {
      version = lire(l.fichier);
      groupeLu = l.groupe;
    }
    if (version && Tient(l, *version)) {
      ecrire(l.majeur, l.mineur, l.lettre);
      trouve = true;
    }
  }
  if (!trouve) ecrire(0, 0, ' ');
  return 0;
}

}  // namespace sondes
