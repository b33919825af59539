#pragma once
// The configuration report: a fixed title before each value label's caption, a line of asterisks closing
// each group, every line ended by CR LF. Built for the memo's wide text and, in tests, for bytes alike.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bilan {

inline constexpr std::string_view kSeparateur = "***************************************************";

// One titled line: the title (19 ASCII characters: the words padded to 17, ':' and a blank), the caption
// that follows it, and whether a separator closes its group.
template <class Texte>
struct EntreeRapport {
  std::string titre;
  Texte legende;
  bool separateurApres;
};

// The lines the report adds after the memo's own empty line.
template <class Texte>
std::vector<Texte> LignesRapport(std::span<const EntreeRapport<Texte>> entrees) {
  std::vector<Texte> lignes;
  for (const EntreeRapport<Texte>& e : entrees) {
    Texte ligne(e.titre.begin(), e.titre.end());
    ligne += e.legende;
    lignes.push_back(std::move(ligne));
    if (e.separateurApres) lignes.emplace_back(kSeparateur.begin(), kSeparateur.end());
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

}  // namespace bilan
