#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "probes/CpuRules.h"

namespace {

using sondes::OctetsMarque;

TEST(VitesseMHz, TicksSurLaPause) {
  struct Cas {
    uint64_t ticks;
    uint32_t mhz;
  };
  const Cas cas[] = {
      {0, 0},
      {499'999, 0},
      {500'000, 1},
      {1'199'999'999, 2399},  // truncated, never rounded up
      {1'200'000'000, 2400},
      {2'147'483'648, 4294},  // above the signed 32-bit range: the division is unsigned
      {4'294'967'295, 8589},  // the largest speed
      {4'294'967'296, 0},     // only the low 32 bits count
      {5'000'000'000, 1410},
      {0xFFFF'FFFF'FFFF'FFFF, 8589},  // a second reading below the first wraps modulo 2^64
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::VitesseMHz(c.ticks), c.mhz) << c.ticks;
}

// The ticks over the pause as the performance counter timed it.
TEST(VitesseMHz, SurLaPauseMesuree) {
  struct Cas {
    const char* quoi;
    uint64_t ticks, compteur, frequence;
    uint32_t mhz;
  };
  const Cas cas[] = {
      {"550 ms at 2603 MHz", 1'431'650'000, 5'500'000, 10'000'000, 2603},  // 500 ms assumed: 2863
      {"exactly 500 ms", 1'301'500'000, 5'000'000, 10'000'000, 2603},
      {"a counter at the processor's own rate", 1'301'500'000, 1'301'500'000, 2'603'000'000, 2603},
      {"truncated, never rounded up", 1'301'999'999, 5'000'000, 10'000'000, 2603},
      {"no counter: 500 ms assumed", 1'431'650'000, 0, 0, 2863},
      {"a counter that did not move: 500 ms assumed", 1'431'650'000, 0, 10'000'000, 2863},
      {"a pause said to last 1 count: at most the signed maximum", 4'000'000'000, 1, 3'000'000'000, 0x7FFFFFFF},
      // Every bit of the ticks counts: a long pause at 3.4 GHz passes 2^32 ticks.
      {"1.3 s at 3.4 GHz", 4'420'000'000, 13'000'000, 10'000'000, 3400},
      {"60 s at 3.4 GHz", 204'000'000'000, 600'000'000, 10'000'000, 3400},
      {"0.5 s at 3.4 GHz, the ACPI timer", 1'700'000'000, 1'789'772, 3'579'545, 3400},
      {"no ticks", 0, 5'000'000, 10'000'000, 0},
      {"2^32 - 1 ticks in 0.5 s", 4'294'967'295, 5'000'000, 10'000'000, 8589},
      {"2^32 ticks in 0.5 s", 4'294'967'296, 5'000'000, 10'000'000, 8589},
      {"2^32 ticks in 1 count of 1 Hz", 4'294'967'296, 1, 1, 4294},
      {"2^64 - 1 ticks in 2^33 s at 3.579545 MHz", UINT64_MAX, 3'579'545ull << 33, 3'579'545, 2147},
      {"2^64 - 1 ticks in 2^34 s at 10 MHz", UINT64_MAX, 10'000'000ull << 34, 10'000'000, 1073},
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::VitesseMHz(c.ticks, c.compteur, c.frequence), c.mhz) << c.quoi;
}

TEST(ProduitDivise, ExactSur128Bits) {
  struct Cas {
    uint64_t a, b, diviseur, quotient;
  };
  const Cas cas[] = {
      {UINT64_MAX, UINT64_MAX, UINT64_MAX, UINT64_MAX},
      {UINT64_MAX, 1ull << 32, 1ull << 33, (1ull << 63) - 1},
      {3ull << 62, 5, 7, 9'882'184'325'201'545'508u},
      {UINT64_MAX, 2, 1, UINT64_MAX},  // the quotient needs 65 bits
      {1, 1, 0, UINT64_MAX},
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::ProduitDivise(c.a, c.b, c.diviseur), c.quotient) << c.a << " " << c.b;
}

OctetsMarque Marque(const char* texte, size_t taille) {
  OctetsMarque m{};
  std::memcpy(m.data(), texte, taille);
  return m;
}

TEST(NomProcesseur, MarqueOuFournisseur) {
  const std::string k48(48, 'x');
  struct Cas {
    const char* quoi;
    OctetsMarque marque;
    std::string nom;
    uint32_t feuilleMax = 0x80000004;  // EAX of leaf 0x80000000
  };
  const Cas cas[] = {
      {"brand text", Marque("AMD EPYC 7B13", 13), "AMD EPYC 7B13"},
      {"0x7F gives the vendor",
       Marque("\x7F"
              "abc",
              4),
       "GenuineIntel"},
      {"0x7F alone", Marque("\x7F", 1), "GenuineIntel"},
      {"0x7F later is a character", Marque("A\x7F", 2), "A\x7F"},
      {"a leading zero byte: empty, no fallback", Marque("\0abc", 4), ""},
      {"blanks kept at both ends", Marque("        Intel(R) Pentium(R) 4  ", 31), "        Intel(R) Pentium(R) 4  "},
      {"any non-zero byte is a character", Marque("\xFF\x01\xE9", 3), "\xFF\x01\xE9"},
      {"stops at the first zero", Marque("ab\0cd", 5), "ab"},
      {"48 bytes give 48 characters", Marque(k48.c_str(), 48), k48},
      {"leaves up to 0x80000003 only: the vendor", Marque("AMD", 3), "GenuineIntel", 0x80000003},
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::NomProcesseur(c.feuilleMax, c.marque, "GenuineIntel"), c.nom) << c.quoi;

  // Bytes past the three leaves never belong to the name.
  const std::string k64(64, 'y');
  EXPECT_EQ(sondes::NomProcesseur(0x80000004, Marque(k64.c_str(), 64), "v"), std::string(48, 'y'));
}

struct ProcesseurReel {
  std::string quoi;
  std::map<uint32_t, std::array<uint32_t, 4>> feuilles;  // leaf -> EAX, EBX, ECX, EDX
  std::string fournisseur, nom;
};

std::string EntreGuillemets(const std::string& ligne) {
  const size_t debut = ligne.find('"'), fin = ligne.rfind('"');
  return debut < fin ? ligne.substr(debut + 1, fin - debut - 1) : "(no quoted text: " + ligne + ")";
}

std::vector<ProcesseurReel> LireProcesseursReels() {
  std::vector<ProcesseurReel> processeurs;
  std::ifstream fichier(QUORVANE_PROCESSEURS_REELS);
  for (std::string ligne; std::getline(fichier, ligne);) {
    if (ligne.empty() || ligne[0] == '#') continue;
    std::istringstream mots(ligne);
    std::string cle;
    mots >> cle;
    if (cle == "processeur") {
      processeurs.push_back({ligne.substr(cle.size() + 1), {}, {}, {}});
    } else if (processeurs.empty()) {
      ADD_FAILURE() << "before any processor: " << ligne;
    } else if (cle == "fournisseur") {
      processeurs.back().fournisseur = EntreGuillemets(ligne);
    } else if (cle == "nom") {
      processeurs.back().nom = EntreGuillemets(ligne);
    } else {
      auto& r = processeurs.back().feuilles[static_cast<uint32_t>(std::stoul(cle, nullptr, 16))];
      mots >> std::hex >> r[0] >> r[1] >> r[2] >> r[3];
      if (!mots) ADD_FAILURE() << "not a leaf: " << ligne;
    }
  }
  return processeurs;
}

// Each dump decoded as the processor probe does: the vendor from leaf 0, the name from 0x80000000-4.
TEST(NomProcesseur, ProcesseursReels) {
  const std::vector<ProcesseurReel> processeurs = LireProcesseursReels();
  ASSERT_FALSE(processeurs.empty()) << QUORVANE_PROCESSEURS_REELS;
  for (const ProcesseurReel& p : processeurs) {
    const auto& f0 = p.feuilles.at(0);
    const auto octets = sondes::OctetsDuFournisseur(f0[1], f0[3], f0[2]);
    const std::string fournisseur = sondes::TexteJusquAuZero(octets.data(), octets.size());
    OctetsMarque marque{};
    for (uint32_t i = 0; i < 3; ++i)
      sondes::RangerFeuilleMarque(marque, static_cast<int>(i), p.feuilles.at(0x80000002 + i).data());
    EXPECT_EQ(fournisseur, p.fournisseur) << p.quoi;
    EXPECT_EQ(sondes::NomProcesseur(p.feuilles.at(0x80000000)[0], marque, fournisseur), p.nom) << p.quoi;
  }
}

TEST(RangerFeuilleMarque, RegistresEAXEBXECXEDXPetitBoutiste) {
  OctetsMarque m{};
  const char texte[49] = "AMD Ryzen 7 5800X 8-Core Processor              ";
  for (int feuille = 0; feuille < 3; ++feuille) {
    uint32_t r[4];
    for (int i = 0; i < 4; ++i) {
      const auto* o = reinterpret_cast<const unsigned char*>(texte + 16 * feuille + 4 * i);
      r[i] = o[0] | o[1] << 8 | o[2] << 16 | static_cast<uint32_t>(o[3]) << 24;
    }
    sondes::RangerFeuilleMarque(m, feuille, r);
  }
  EXPECT_EQ(sondes::NomProcesseur(0x80000008, m, ""), texte);
  for (size_t i = 48; i < 64; ++i) EXPECT_EQ(m[i], 0) << i;
}

TEST(OctetsDuFournisseur, EBXPuisEDXPuisECX) {
  struct Cas {
    uint32_t ebx, edx, ecx;
    std::string texte;
  };
  const Cas cas[] = {
      {0x756E6547, 0x49656E69, 0x6C65746E, "GenuineIntel"},
      {0x68747541, 0x69746E65, 0x444D4163, "AuthenticAMD"},
      {0x4B4D564B, 0x564B4D56, 0x0000004D, "KVMKVMKVM"},  // zero bytes end the text
      {0, 0, 0, ""},                                      // no CPUID: the bytes stay zero
  };
  for (const Cas& c : cas) {
    const auto o = sondes::OctetsDuFournisseur(c.ebx, c.edx, c.ecx);
    EXPECT_EQ(sondes::TexteJusquAuZero(o.data(), o.size()), c.texte) << c.texte;
  }
}

}  // namespace
