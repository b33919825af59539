#include "ui/ThemeRules.h"

#include <charconv>

namespace ui {
namespace {

std::string_view Rogner(std::string_view s) {
  const size_t debut = s.find_first_not_of(" \t");
  if (debut == std::string_view::npos) return {};
  return s.substr(debut, s.find_last_not_of(" \t") - debut + 1);
}

bool Egal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto bas = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (bas(a[i]) != bas(b[i])) return false;
  }
  return true;
}

// A whole decimal or hexadecimal number within [0, max].
std::optional<uint32_t> Nombre(std::string_view s, int base, uint32_t max) {
  s = Rogner(s);
  uint32_t v = 0;
  const auto [fin, erreur] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (s.empty() || erreur != std::errc{} || fin != s.data() + s.size() || v > max) return std::nullopt;
  return v;
}

// "#RRGGBB" or "R, G, B", as a colour number 0x00BBGGRR.
std::optional<uint32_t> Couleur(std::string_view s) {
  uint32_t r = 0, g = 0, b = 0;
  if (s.starts_with('#')) {
    if (s.size() != 7) return std::nullopt;
    const auto rgb = Nombre(s.substr(1), 16, 0xFFFFFF);
    if (!rgb) return std::nullopt;
    r = *rgb >> 16, g = (*rgb >> 8) & 0xFF, b = *rgb & 0xFF;
  } else {
    const size_t v1 = s.find(','), v2 = v1 == std::string_view::npos ? v1 : s.find(',', v1 + 1);
    if (v2 == std::string_view::npos) return std::nullopt;
    const auto cr = Nombre(s.substr(0, v1), 10, 255), cg = Nombre(s.substr(v1 + 1, v2 - v1 - 1), 10, 255),
               cb = Nombre(s.substr(v2 + 1), 10, 255);
    if (!cr || !cg || !cb) return std::nullopt;
    r = *cr, g = *cg, b = *cb;
  }
  return r | (g << 8) | (b << 16);
}

// Sets one key of the [Onglets] section; false when its value is bad. Unknown keys are skipped.
bool Appliquer(StyleOnglets& style, std::string_view cle, std::string_view valeur) {
  struct Cle {
    std::string_view nom;
    uint32_t StyleOnglets::*couleur;
  };
  static constexpr Cle kCouleurs[] = {
      {"Bordure", &StyleOnglets::bordure}, {"Corps", &StyleOnglets::corps},
      {"Haut", &StyleOnglets::haut},       {"Bas", &StyleOnglets::bas},
      {"Texte", &StyleOnglets::texte},     {"TexteActif", &StyleOnglets::texteActif},
      {"Accent", &StyleOnglets::accent},
  };
  for (const Cle& c : kCouleurs) {
    if (!Egal(cle, c.nom)) continue;
    const auto v = Couleur(valeur);
    if (v) style.*c.couleur = *v;
    return v.has_value();
  }
  if (Egal(cle, "Decalage")) {
    const auto v = Nombre(valeur, 10, 100);
    if (v) style.decalage = static_cast<int>(*v);
    return v.has_value();
  }
  return true;
}

}  // namespace

std::optional<StyleOnglets> LireTheme(std::string_view texte) {
  if (texte.starts_with("\xEF\xBB\xBF")) texte.remove_prefix(3);  // a UTF-8 mark left by an editor
  StyleOnglets style;
  bool section = false, dansOnglets = false;
  while (!texte.empty()) {
    const size_t fin = texte.find('\n');
    std::string_view ligne = texte.substr(0, fin);
    texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
    if (ligne.ends_with('\r')) ligne.remove_suffix(1);
    for (const char c : ligne)
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return std::nullopt;
    if (const size_t commentaire = ligne.find(';'); commentaire != std::string_view::npos)
      ligne = ligne.substr(0, commentaire);
    ligne = Rogner(ligne);
    if (ligne.empty()) continue;
    if (ligne.starts_with('[')) {
      if (!ligne.ends_with(']')) return std::nullopt;
      dansOnglets = Egal(Rogner(ligne.substr(1, ligne.size() - 2)), "Onglets");
      section = section || dansOnglets;
      continue;
    }
    const size_t egal = ligne.find('=');
    if (egal == std::string_view::npos || Rogner(ligne.substr(0, egal)).empty()) return std::nullopt;
    if (dansOnglets && !Appliquer(style, Rogner(ligne.substr(0, egal)), Rogner(ligne.substr(egal + 1))))
      return std::nullopt;
  }
  if (!section) return std::nullopt;
  return style;
}

}  // namespace ui
