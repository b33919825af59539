#pragma once
// The configuration report: a fixed title before each value label's caption, separators between the
// groups. Built for the memo's wide text and, in tests, for single-byte text alike.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/CfgRules.h"

namespace rapport {

struct LigneTitree {
  const char* titre;      // 19 characters, ASCII: the words padded to 17, ':' and a blank
  Valeur source;          // whose caption follows the title
  bool separateurApres;   // a line of asterisks closes the group
};
extern const LigneTitree kLignes[kNbValeurs];
constexpr std::string_view kSeparateur = "***************************************************";

// The lines the report adds after the memo's own empty line: 15 titled lines and 4 separators.
// `legendes` are indexed by Valeur.
template <class Texte>
std::vector<Texte> LignesRapport(const std::array<Texte, kNbValeurs>& legendes) {
  std::vector<Texte> lignes;
  for (const LigneTitree& l : kLignes) {
    const std::string_view titre = l.titre;
    Texte ligne(titre.begin(), titre.end());
    ligne += legendes[static_cast<size_t>(l.source)];
    lignes.push_back(std::move(ligne));
    if (l.separateurApres) lignes.emplace_back(kSeparateur.begin(), kSeparateur.end());
  }
  return lignes;
}

// Every line followed by CR LF, the first and the last included: the memo's text and the file's content.
template <class Texte>
Texte TexteLignes(const std::vector<Texte>& lignes) {
  Texte texte;
  for (const Texte& l : lignes) {
    texte += l;
    texte += typename Texte::value_type('\r');
    texte += typename Texte::value_type('\n');
  }
  return texte;
}

}  // namespace rapport
