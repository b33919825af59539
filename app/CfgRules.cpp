#include "app/CfgRules.h"

#include <algorithm>

namespace appli {

Position CalculerPosition(int32_t largeurBureau, int32_t hauteurBureau, int32_t largeurClient, int32_t hauteurClient) {
  // A desktop narrower than 800 pixels puts the window in the corner; C++ division truncates toward
  // zero as required, so a desktop lower than the client gives a small negative top.
  if (largeurBureau < 800) return {1, 1};
  return {(hauteurBureau - hauteurClient) / 3, (largeurBureau - largeurClient) / 2};
}

std::string TexteEntier(int32_t valeur) { return std::to_string(valeur); }
std::string TexteNonSigne(uint32_t valeur) { return std::to_string(valeur); }

std::string TexteValeurOctets(const LigneValeur& valeur, const sondes::ResultatsInspection& r) {
  std::string texte = valeur.texte(r);
  texte.resize(std::min(texte.size(), texte.find('\0')));
  return texte;
}

std::vector<std::string> RapportOctets(const sondes::ResultatsInspection& r) {
  std::vector<std::string> legendes;
  for (const LigneValeur* v : Valeurs()) legendes.push_back(TexteValeurOctets(*v, r));
  std::vector<std::string> lignes{""};
  for (std::string& l : LignesDuRapport(legendes)) lignes.push_back(std::move(l));
  return lignes;
}

}  // namespace appli
