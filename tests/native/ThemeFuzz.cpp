// Fuzz target: a theme file is read from disk, so any bytes may come. Reading one never crashes, and what
// it accepts stays within what the tab control can draw. And a file written from known keys and values,
// in any of the forms a person may write, reads back to those values.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "ui/ThemeRules.h"

namespace {

// Takes the input's bytes one at a time; zeros once they run out.
struct Octets {
  const uint8_t* p;
  size_t reste;
  uint8_t Suivant() {
    if (reste == 0) return 0;
    --reste;
    return *p++;
  }
};

constexpr std::array<std::string_view, 7> kCouleurs = {"Bordure", "Corps",      "Haut",  "Bas",
                                                       "Texte",   "TexteActif", "Accent"};
constexpr std::string_view kBlancs[] = {"", " ", "\t", "  \t"};

uint32_t ui::TabStyle::*const kChamps[] = {&ui::TabStyle::border, &ui::TabStyle::body, &ui::TabStyle::top,
                                           &ui::TabStyle::bottom, &ui::TabStyle::text, &ui::TabStyle::activeText,
                                           &ui::TabStyle::accent};

// The key as a person may type it: any letter in upper case.
std::string Casse(std::string_view cle, uint8_t masque) {
  std::string s(cle);
  for (size_t i = 0; i < s.size(); ++i)
    if ((masque >> (i % 8)) & 1 && s[i] >= 'a' && s[i] <= 'z') s[i] = static_cast<char>(s[i] - 'a' + 'A');
  return s;
}

void LireEnRetour(Octets o) {
  std::array<std::optional<uint32_t>, kCouleurs.size()> couleurs;
  std::optional<int> decalage;
  std::string fichier = o.Suivant() & 1 ? "\xEF\xBB\xBF" : "";
  fichier += "[Onglets]\n";
  for (int ligne = 0, n = o.Suivant() % 12; ligne < n; ++ligne) {
    const uint8_t choix = o.Suivant(), forme = o.Suivant();
    const std::string_view avant = kBlancs[forme & 3], apres = kBlancs[(forme >> 2) & 3];
    const bool commentaire = forme & 0x10;
    std::string valeur;
    std::string cle;
    if (choix % 8 < kCouleurs.size()) {
      const unsigned r = o.Suivant(), g = o.Suivant(), b = o.Suivant();
      char texte[32];
      if (forme & 0x20)
        std::snprintf(texte, sizeof texte, forme & 0x40 ? "#%02X%02X%02X" : "#%02x%02x%02x", r, g, b);
      else
        std::snprintf(texte, sizeof texte, forme & 0x40 ? "%u,%u,%u" : "%u , %u ,\t%u", r, g, b);
      valeur = texte;
      cle = kCouleurs[choix % 8];
      couleurs[choix % 8] = r | g << 8 | b << 16;
    } else {
      const int d = o.Suivant() % 101;
      valeur = std::to_string(d);
      cle = "Decalage";
      decalage = d;
    }
    fichier += std::string(avant) + Casse(cle, o.Suivant()) + std::string(apres) + "=" + std::string(avant) + valeur +
               std::string(apres) + (commentaire ? "; note = #1" : "") + (forme & 0x80 ? "\r\n" : "\n");
  }

  const auto style = ui::ParseTheme(fichier);
  if (!style) std::abort();
  const ui::TabStyle integre;
  for (size_t i = 0; i < kCouleurs.size(); ++i)
    if ((*style).*kChamps[i] != couleurs[i].value_or(integre.*kChamps[i])) std::abort();
  if (style->offset != decalage.value_or(integre.offset)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  LireEnRetour(Octets{donnees, taille});
  const auto style = ui::ParseTheme(std::string_view(reinterpret_cast<const char*>(donnees), taille));
  if (!style) return 0;
  for (uint32_t colour :
       {style->border, style->body, style->top, style->bottom, style->text, style->activeText, style->accent})
    if (colour > 0xFFFFFF) std::abort();
  if (style->offset < 0 || style->offset > 100) std::abort();
  return 0;
}
