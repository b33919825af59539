#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "probes/DxFilesRules.h"

namespace {

using sondes::FaireVersion;

TEST(FaireVersion, QuatrePartiesDe16Bits) {
  EXPECT_EQ(FaireVersion(1, 2, 3, 4), 0x0001000200030004u);
  EXPECT_EQ(FaireVersion(0xFFFF, 0, 0, 0), 0xFFFF000000000000u);
  EXPECT_EQ(FaireVersion(0, 0, 0, 0xFFFF), 0x000000000000FFFFu);
  EXPECT_EQ(FaireVersion(5, 1, 2600, 901), (uint64_t{5} << 48) | (uint64_t{1} << 32) | (2600u << 16) | 901u);
}

TEST(ComparerVersions, PartieParPartieEtNonSigne) {
  struct Cas {
    uint64_t x, y;
    int attendu;
  };
  const Cas cas[] = {
      {FaireVersion(4, 2, 0, 95), FaireVersion(4, 2, 0, 95), 0},
      {FaireVersion(4, 2, 0, 95), FaireVersion(4, 2, 0, 94), 1},
      {FaireVersion(4, 2, 0, 94), FaireVersion(4, 2, 0, 95), -1},
      {FaireVersion(4, 3, 0, 0), FaireVersion(4, 2, 0, 95), 1},  // the second part decides first
      {FaireVersion(4, 2, 1, 0), FaireVersion(4, 2, 0, 0xFFFF), 1},
      {FaireVersion(5, 0, 0, 0), FaireVersion(4, 0xFFFF, 0xFFFF, 0xFFFF), 1},
      {FaireVersion(0x8000, 0, 0, 0), FaireVersion(0x7FFF, 0, 0, 0), 1},  // the high bit is not a sign
      {FaireVersion(1, 0, 0x8000, 0), FaireVersion(1, 0, 0x7FFF, 0xFFFF), 1},
      {FaireVersion(1, 0, 0x7FFF, 0xFFFF), FaireVersion(1, 0, 0x8000, 0), -1},
      {0, 0, 0},
      {~uint64_t{0}, 0, 1},
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::ComparerVersions(c.x, c.y), c.attendu) << std::hex << c.x << " " << c.y;
}

struct Resultat {
  uint32_t majeur, mineur;
  char lettre;
  bool operator==(const Resultat&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Resultat& r) {
  return os << r.majeur << "." << r.mineur << "'" << r.lettre << "'";
}

using Fichiers = std::map<std::string, uint64_t>;

Resultat Evaluer(const Fichiers& fichiers, std::vector<std::string>* lus = nullptr) {
  Resultat r{99, 99, '?'};
  const int code = sondes::EvaluerTableDx(
      [&](const char* nom) -> std::optional<uint64_t> {
        if (lus) lus->emplace_back(nom);
        const auto it = fichiers.find(nom);
        if (it == fichiers.end()) return std::nullopt;
        return it->second;
      },
      &r.majeur, &r.mineur, &r.lettre);
  EXPECT_EQ(code, 0);
  return r;
}

const char* const kFichiers[] = {"ddraw.dll", "d3drg8x.dll", "dplayx.dll", "dinput.dll",
                                 "d3d8.dll",  "mpg2splt.ax", "dpnet.dll",  "d3d9.dll"};

Fichiers Tous(uint64_t v, bool avecD3d9) {
  Fichiers f;
  for (const char* n : kFichiers) f[n] = v;
  if (!avecD3d9) f.erase("d3d9.dll");
  return f;
}

TEST(EvaluerTableDx, ChaqueLigneEtSesBornes) {
  struct Cas {
    const char* quoi;
    Fichiers fichiers;
    Resultat attendu;
  };
  const uint64_t v6000 = FaireVersion(6, 0, 6000, 0);
  Fichiers mpg2splt66 = Tous(v6000, false);
  mpg2splt66["mpg2splt.ax"] = FaireVersion(6, 6, 0, 0);
  const uint64_t xp = FaireVersion(5, 3, 2600, 2180);
  const Cas cas[] = {
      {"empty system", {}, {0, 0, ' '}},
      {"ddraw 4.2.0.94", {{"ddraw.dll", FaireVersion(4, 2, 0, 94)}}, {0, 0, ' '}},
      {"ddraw 4.2.0.95", {{"ddraw.dll", FaireVersion(4, 2, 0, 95)}}, {1, 0, ' '}},
      {"ddraw 4.3.0.0", {{"ddraw.dll", FaireVersion(4, 3, 0, 0)}}, {1, 0, ' '}},
      {"ddraw 4.3.0.1096", {{"ddraw.dll", FaireVersion(4, 3, 0, 1096)}}, {2, 0, ' '}},
      {"ddraw 4.4.0.68", {{"ddraw.dll", FaireVersion(4, 4, 0, 68)}}, {3, 0, ' '}},
      {"d3drg8x 4.4.0.69", {{"d3drg8x.dll", FaireVersion(4, 4, 0, 69)}}, {0, 0, ' '}},
      {"d3drg8x 4.4.0.70", {{"d3drg8x.dll", FaireVersion(4, 4, 0, 70)}}, {3, 0, 'a'}},
      {"ddraw 4.5.0.155", {{"ddraw.dll", FaireVersion(4, 5, 0, 155)}}, {5, 0, ' '}},
      {"ddraw 4.6.0.318", {{"ddraw.dll", FaireVersion(4, 6, 0, 318)}}, {6, 0, ' '}},
      {"ddraw 4.6.0.436 alone", {{"ddraw.dll", FaireVersion(4, 6, 0, 436)}}, {6, 1, ' '}},
      {"dplayx 4.6.3.518", {{"dplayx.dll", FaireVersion(4, 6, 3, 518)}}, {6, 1, 'a'}},
      {"ddraw 4.7.0.699 alone", {{"ddraw.dll", FaireVersion(4, 7, 0, 699)}}, {6, 1, ' '}},
      {"ddraw 4.7.0.700", {{"ddraw.dll", FaireVersion(4, 7, 0, 700)}}, {7, 0, ' '}},
      {"dinput 4.7.0.716", {{"dinput.dll", FaireVersion(4, 7, 0, 716)}}, {7, 0, 'a'}},
      {"ddraw 4.8.0.399", {{"ddraw.dll", FaireVersion(4, 8, 0, 399)}}, {7, 0, ' '}},
      {"ddraw 4.8.0.400", {{"ddraw.dll", FaireVersion(4, 8, 0, 400)}}, {8, 0, ' '}},
      {"ddraw 5.1.2258.399", {{"ddraw.dll", FaireVersion(5, 1, 2258, 399)}}, {7, 0, ' '}},
      {"ddraw 5.1.2258.400", {{"ddraw.dll", FaireVersion(5, 1, 2258, 400)}}, {8, 0, ' '}},
      {"ddraw 6.0.0.0: row 11 needs 4 or 5", {{"ddraw.dll", FaireVersion(6, 0, 0, 0)}}, {7, 0, ' '}},
      {"d3d8 5.1.2600.880", {{"d3d8.dll", FaireVersion(5, 1, 2600, 880)}}, {0, 0, ' '}},
      {"d3d8 5.1.2600.881", {{"d3d8.dll", FaireVersion(5, 1, 2600, 881)}}, {8, 1, ' '}},
      {"d3d8 5.1.2600.901", {{"d3d8.dll", FaireVersion(5, 1, 2600, 901)}}, {8, 1, 'a'}},
      {"d3d8 4.8.1.880", {{"d3d8.dll", FaireVersion(4, 8, 1, 880)}}, {0, 0, ' '}},
      {"d3d8 4.8.1.881", {{"d3d8.dll", FaireVersion(4, 8, 1, 881)}}, {8, 1, ' '}},
      {"d3d8 4.8.1.901", {{"d3d8.dll", FaireVersion(4, 8, 1, 901)}}, {8, 1, 'a'}},
      {"d3d8 4.9.0.0 is first part 4", {{"d3d8.dll", FaireVersion(4, 9, 0, 0)}}, {8, 1, 'a'}},
      {"d3d8 6.0.0.0", {{"d3d8.dll", FaireVersion(6, 0, 0, 0)}}, {0, 0, ' '}},
      {"mpg2splt 6.3.1.884", {{"mpg2splt.ax", FaireVersion(6, 3, 1, 884)}}, {0, 0, ' '}},
      {"mpg2splt 6.3.1.885", {{"mpg2splt.ax", FaireVersion(6, 3, 1, 885)}}, {8, 1, 'b'}},
      {"dpnet 4.9.0.133", {{"dpnet.dll", FaireVersion(4, 9, 0, 133)}}, {0, 0, ' '}},
      {"dpnet 4.9.0.134", {{"dpnet.dll", FaireVersion(4, 9, 0, 134)}}, {8, 2, ' '}},
      {"dpnet 5.2.3677.133", {{"dpnet.dll", FaireVersion(5, 2, 3677, 133)}}, {0, 0, ' '}},
      {"dpnet 5.2.3677.134", {{"dpnet.dll", FaireVersion(5, 2, 3677, 134)}}, {8, 2, ' '}},
      {"d3d9 0.0.0.0: readable is enough", {{"d3d9.dll", 0}}, {9, 0, ' '}},
      {"6.0.6000.0 everywhere, no d3d9", Tous(v6000, false), {7, 0, 'a'}},
      {"6.0.6000.0 everywhere with d3d9", Tous(v6000, true), {9, 0, ' '}},
      {"6.0.6000.0 and mpg2splt 6.6.0.0", mpg2splt66, {8, 1, 'b'}},
      {"XP SP2 without d3d9", Tous(xp, false), {8, 2, ' '}},
      {"a later group overrides a higher earlier one",
       {{"ddraw.dll", FaireVersion(4, 8, 0, 400)}, {"dinput.dll", FaireVersion(4, 7, 0, 716)}},
       {8, 0, ' '}},
      {"an unreadable group is skipped, the later ones still count",
       {{"ddraw.dll", FaireVersion(4, 2, 0, 95)}, {"dplayx.dll", FaireVersion(4, 6, 3, 518)}},
       {6, 1, 'a'}},
  };
  for (const Cas& c : cas) EXPECT_EQ(Evaluer(c.fichiers), c.attendu) << c.quoi;
}

TEST(EvaluerTableDx, OnzeLecturesToujoursDansLeMemeOrdre) {
  const std::vector<std::string> ordre = {"ddraw.dll",   "d3drg8x.dll", "ddraw.dll", "dplayx.dll",
                                          "ddraw.dll",   "dinput.dll",  "ddraw.dll", "d3d8.dll",
                                          "mpg2splt.ax", "dpnet.dll",   "d3d9.dll"};
  for (const Fichiers& f : {Fichiers{}, Tous(FaireVersion(6, 0, 6000, 0), true)}) {
    std::vector<std::string> lus;
    Evaluer(f, &lus);
    EXPECT_EQ(lus, ordre);
  }
}

TEST(EvaluerTableDx, LesSortiesAbsentesNeSontPasEcrites) {
  for (const Fichiers& f : {Fichiers{}, Fichiers{{"d3d8.dll", FaireVersion(5, 1, 2600, 901)}}}) {
    const Resultat attendu = f.empty() ? Resultat{0, 0, ' '} : Resultat{8, 1, 'a'};
    for (int masque = 0; masque < 8; ++masque) {
      Resultat r{77, 77, '#'};
      sondes::EvaluerTableDx(
          [&](const char* nom) -> std::optional<uint64_t> {
            const auto it = f.find(nom);
            return it == f.end() ? std::nullopt : std::optional<uint64_t>(it->second);
          },
          masque & 1 ? &r.majeur : nullptr, masque & 2 ? &r.mineur : nullptr, masque & 4 ? &r.lettre : nullptr);
      EXPECT_EQ(r.majeur, masque & 1 ? attendu.majeur : 77u) << masque;
      EXPECT_EQ(r.mineur, masque & 2 ? attendu.mineur : 77u) << masque;
      EXPECT_EQ(r.lettre, masque & 4 ? attendu.lettre : '#') << masque;
    }
  }
}

}  // namespace
