#pragma once
// What one inspection learnt, as typed facts: numbers as numbers, texts in UTF-8 as the platform gave them,
// no text of the program's own and no code page. What could not be learnt is empty, beside why: the call
// and its answer ("CoCreateInstance 80040154"), so that a report can say so rather than show 0.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "probes/Resultats.h"

namespace sondes {

template <class T>
struct Fait {
  std::optional<T> valeur;
  std::string raison;  // empty when the value is known

  static Fait Connu(T v) { return {std::move(v), {}}; }
  static Fait Inconnu(std::string pourquoi) { return {std::nullopt, std::move(pourquoi)}; }
  T Ou(T defaut) const { return valeur.value_or(std::move(defaut)); }

  bool operator==(const Fait&) const = default;
};

struct ConstatsProcesseur {
  Fait<std::string> nom;  // the brand text, else the vendor's; Windows's name without CPUID or under emulation
  Fait<uint32_t> mhz;
  bool selonOS = false;       // x86 emulation on ARM64: the name and speed are Windows's
  bool nomDeWindows = false;  // the name is the registry's (without CPUID, or under emulation), else CPUID's
  PauseRatee pause = PauseRatee::Non;
};

struct ConstatsMemoire {
  Fait<uint64_t> physique, virtuelle, pagination;  // bytes, each from its own query
};

// The display devices the probe asks the diagnostic provider for, at most.
inline constexpr uint32_t kCartesVideoMax = 16;

// One display device, as the diagnostic provider lists it.
struct CarteVideo {
  std::string conteneur;  // its container: "DxDiag_DisplayDevices/0"
  Fait<std::string> nom, pilote;
  Fait<uint32_t> memoireMB;  // from the provider's English memory text
  Fait<bool> acceleration3D;
};

struct ConstatsVideo {
  bool fournisseur = false;        // the diagnostic provider answered; else DirectX is read from file versions
  std::vector<CarteVideo> cartes;  // every display device, in the provider's order; the first is the one judged
  std::string raisonSansCarte;     // why there is none
  Fait<int32_t> largeur, hauteur;  // the desktop, in pixels
  Fait<uint32_t> bitsCouleur, frequence;
};

struct VersionDirectX {
  uint32_t majeur = 0, mineur = 0;
  std::string lettre;    // as the provider gives it (" " for none), empty from the files
  bool auMoins = false;  // from file versions: a lower bound

  bool operator==(const VersionDirectX&) const = default;
};

struct VersionWindows {
  uint32_t majeure = 0, mineure = 0, build = 0, plateforme = 0;
  std::string csd;
  uint8_t typeProduit = 0;  // 1 workstation, 2 domain controller, 3 server; 0 when not told

  bool operator==(const VersionWindows&) const = default;
};

struct ConstatsSysteme {
  Fait<VersionWindows> annoncee;     // what the program is told (GetVersionExA)
  Fait<std::string> nom;             // the game's name for the told version ("Windows XP")
  int32_t code = 0;                  // the game's number for it, 1..7; 0 when it is none of the game's systems
  Fait<VersionWindows> vraie;        // what the system is (RtlGetVersion; on Windows 9x, what it told)
  Fait<std::string> nomReel;         // the true system's name ("Windows 11 (build 22631)")
  Fait<uint32_t> edition;            // GetProductInfo's PRODUCT_*
  Fait<std::string> wine, hoteWine;  // Wine's version and the system it runs on; absent on Windows
};

struct Constats {
  ConstatsProcesseur processeur;
  ConstatsMemoire memoire;
  ConstatsVideo video;
  Fait<VersionDirectX> directx;
  ConstatsSysteme systeme;
};

}  // namespace sondes
