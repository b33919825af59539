#pragma once
// Arithmetic and texts of the main window that need no window: placement and the value labels' texts.
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "app/Valeurs.h"
#include "assess/ReportRules.h"
#include "probes/Resultats.h"

namespace appli {

struct Position {
  int32_t top;
  int32_t left;
};

// Where the window goes on a desktop of the given size. The client size is used, not the outer size.
Position CalculerPosition(int32_t largeurBureau, int32_t hauteurBureau, int32_t largeurClient, int32_t hauteurClient);

// Decimal text without grouping; signed unless said otherwise.
std::string TexteEntier(int32_t valeur);
std::string TexteNonSigne(uint32_t valeur);

// A row of the value table (app/Valeurs.h).
struct LigneValeur {
  const char* label;                                           // the label's name in the form description
  std::string (*texte)(const sondes::ResultatsInspection& r);  // single-byte, like the findings
  std::string_view titre;                                      // before the caption in the report
  bool separateurApres;                                        // a line of asterisks closes the group
};

#define QUORVANE_LIGNE_VALEUR(label, texte, titre, separateur) \
  {#label, [](const sondes::ResultatsInspection& r) { return std::string(texte); }, titre, separateur},
inline constexpr LigneValeur kValeurs[] = {QUORVANE_VALEURS(QUORVANE_LIGNE_VALEUR)};
#undef QUORVANE_LIGNE_VALEUR
inline constexpr size_t kNbValeurs = std::size(kValeurs);

// A value label's text in the findings' single-byte code page, up to a zero byte, as a label holds it.
std::string TexteValeurOctets(const LigneValeur& valeur, const sondes::ResultatsInspection& r);

// The report's lines after its own empty first line, from the value labels' texts in the table's order:
// the window's memo, the run without a window and the replay all assemble it here.
template <class Texte>
std::vector<Texte> LignesDuRapport(const std::vector<Texte>& legendes) {
  std::vector<bilan::EntreeRapport<Texte>> entrees;
  for (size_t i = 0; i < kNbValeurs && i < legendes.size(); ++i)
    entrees.push_back({kValeurs[i].titre, legendes[i], kValeurs[i].separateurApres});
  return bilan::LignesRapport<Texte>(entrees);
}

// The report's 20 lines, the empty one first, in the findings' single-byte code page.
std::vector<std::string> RapportOctets(const sondes::ResultatsInspection& r);

}  // namespace appli
