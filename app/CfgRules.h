#pragma once
// Arithmetic and texts of the main window that need no window: placement, the value labels' texts and the
// report.
#include <cstdint>
#include <string>
#include <vector>

#include "app/OngletsRules.h"
#include "assess/ReportRules.h"
#include "base/TexteRules.h"
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

// A value label's text in the findings' single-byte code page, up to a zero byte, as a label holds it.
std::string TexteValeurOctets(const LigneValeur& valeur, const sondes::ResultatsInspection& r);

// The report's lines after its own empty first line, from the value labels' texts in the order of Valeurs():
// the window's memo, the run without a window and the replay all assemble it here.
template <class Texte>
std::vector<Texte> LignesDuRapport(const std::vector<Texte>& legendes) {
  const std::vector<const LigneValeur*> valeurs = Valeurs();
  std::vector<bilan::EntreeRapport<Texte>> entrees;
  for (size_t i = 0; i < valeurs.size() && i < legendes.size(); ++i)
    entrees.push_back({base::Utf8(base::Dire(valeurs[i]->titre)), legendes[i], valeurs[i]->separateurApres});
  return bilan::LignesRapport<Texte>(entrees);
}

// The report's lines, the empty one first, in the findings' single-byte code page.
std::vector<std::string> RapportOctets(const sondes::ResultatsInspection& r);

}  // namespace appli
