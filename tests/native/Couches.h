#pragma once
// Small relevés for the decode's rows: a base machine that has nothing else to say, then layers whose lines
// replace the earlier lines of the same head (the text before the colon).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "probes/ReleveRules.h"

namespace couches {

using Couches = std::vector<std::string>;

// No CPUID, no diagnostic provider, one 1024 x 768 screen in 32 bits at 60 Hz, Windows XP.
constexpr std::string_view kBase = R"(CpuidPresent: 0
GlobalMemoryStatusEx: 1 0 0 0 0 0 0
CoCreateInstance: 80040154
EnumDisplaySettingsA: 1 0 0 60 32
GetDeviceCaps: 1 32
MultiEcran: 0
GetSystemMetrics: 1024 768 0 0
GetVersionExA: 1 5 1 2600 2 ""
)";

inline std::string_view Tete(std::string_view ligne) { return ligne.substr(0, ligne.find(':')); }

inline sondes::Releve Releve(const Couches& couches) {
  std::vector<std::string> lignes;
  const auto ajouter = [&](std::string_view couche) {
    std::vector<std::string> nouvelles;
    for (size_t debut = 0, fin; debut < couche.size(); debut = fin + 1) {
      fin = std::min(couche.find('\n', debut), couche.size());
      if (fin > debut) nouvelles.emplace_back(couche.substr(debut, fin - debut));
    }
    std::erase_if(lignes, [&](const std::string& l) {
      return std::ranges::any_of(nouvelles, [&](const std::string& n) { return Tete(n) == Tete(l); });
    });
    lignes.insert(lignes.end(), nouvelles.begin(), nouvelles.end());
  };
  ajouter(kBase);
  for (const std::string& c : couches) ajouter(c);
  std::string texte = std::string(sondes::kEnteteReleve) + '\n';
  for (const std::string& l : lignes) texte += l + '\n';
  const auto lu = sondes::LireReleve(texte);
  if (const auto* erreur = std::get_if<sondes::ErreurReleve>(&lu)) {
    ADD_FAILURE() << sondes::MessageErreurReleve("relevé", *erreur) << '\n' << texte;
    return {};
  }
  return std::get<sondes::ReleveLu>(lu).releve;
}

}  // namespace couches
