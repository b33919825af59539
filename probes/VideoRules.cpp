#include "probes/VideoRules.h"

#include <limits>

#include "base/TexteRules.h"
#include "base/Textes.h"

namespace sondes {
namespace {

bool Blanc(char c) { return c == ' ' || c == '\t'; }
bool Chiffre(char c) { return c >= '0' && c <= '9'; }

void SauterBlancs(std::string_view& t) {
  while (!t.empty() && Blanc(t.front())) t.remove_prefix(1);
}

// Consumes the leading digits; false when there are none.
bool SauterChiffres(std::string_view& t) {
  const size_t n = t.find_first_not_of("0123456789");
  const size_t fin = n == std::string_view::npos ? t.size() : n;
  t.remove_prefix(fin);
  return fin > 0;
}

}  // namespace

int32_t MemoireVideoSelonTexte(std::string_view texte) {
  SauterBlancs(texte);
  if (texte.empty() || !Chiffre(texte.front())) return 0;
  // The integer part stops growing once it leaves the 32-bit range, so long digit runs cannot overflow.
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t valeur = 0;
  for (; !texte.empty() && Chiffre(texte.front()); texte.remove_prefix(1))
    if (valeur <= kMax) valeur = valeur * 10 + (texte.front() - '0');

  if (!texte.empty() && texte.front() == '.') {
    texte.remove_prefix(1);
    if (!SauterChiffres(texte)) return 0;
  }
  SauterBlancs(texte);
  if (texte.starts_with("MB")) texte.remove_prefix(2);
  SauterBlancs(texte);
  if (!texte.empty() || valeur > kMax) return 0;
  return static_cast<int32_t>(valeur);
}

uint8_t Is3DSelon(int16_t booleen) { return booleen != 0 ? 1 : 0; }

std::string TexteVersionFournisseur(uint32_t majeur, uint32_t mineur, const std::string& lettre) {
  return std::to_string(majeur) + "." + std::to_string(mineur) + lettre;
}

std::string TexteVersionFichiers(uint32_t majeur, uint32_t mineur, char lettre) {
  return std::to_string(majeur) + "." + std::to_string(mineur) + lettre +
         (majeur != 0 ? base::Utf8(base::Dire(base::Texte::DxAuMoins)) : "");
}

uint8_t ProfondeurCouleur(int plans, int bitsParPixel) {
  const auto produit = static_cast<uint16_t>(static_cast<uint16_t>(plans) * static_cast<uint16_t>(bitsParPixel));
  return static_cast<uint8_t>(produit & 0xFF);
}

}  // namespace sondes
