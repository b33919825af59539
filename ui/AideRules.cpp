#include "ui/AideRules.h"

#include <cstdint>

namespace ui {
namespace {

constexpr std::string_view kDebutSaut = "JumpID(\"\",\"";
constexpr std::string_view kFinSaut = "\")";
constexpr size_t kLongueurCommande = 255;

// UTF-8 bytes of a wide text (UTF-16 on Windows, UTF-32 elsewhere); a lone surrogate becomes U+FFFD.
std::string EnUtf8(std::wstring_view texte) {
  std::string octets;
  auto octet = [&](uint32_t v) { octets.push_back(static_cast<char>(v)); };
  for (size_t i = 0; i < texte.size(); ++i) {
    uint32_t c = static_cast<uint32_t>(texte[i]);
    const bool haut = c >= 0xD800 && c <= 0xDBFF;
    if (haut && i + 1 < texte.size() && texte[i + 1] >= 0xDC00 && texte[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>(texte[i + 1]) - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      octet(c);
      continue;
    }
    const int suite = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr uint32_t kTete[] = {0, 0xC0, 0xE0, 0xF0};  // 110xxxxx, 1110xxxx, 11110xxx
    octet(kTete[suite] | (c >> (6 * suite)));
    for (int k = suite - 1; k >= 0; --k) octet(0x80 | ((c >> (6 * k)) & 0x3F));
  }
  return octets;
}

// Percent-encodes every byte but the unreserved ones and the path separators.
std::wstring Encoder(std::wstring_view texte, bool separateurs) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::wstring sortie;
  for (const char octet : EnUtf8(texte)) {
    const auto o = static_cast<unsigned char>(octet);
    const bool garde = (o >= 'A' && o <= 'Z') || (o >= 'a' && o <= 'z') || (o >= '0' && o <= '9') || o == '-' ||
                       o == '.' || o == '_' || o == '~' || (separateurs && (o == '/' || o == ':'));
    if (garde) {
      sortie.push_back(static_cast<wchar_t>(o));
    } else {
      sortie.push_back(L'%');
      sortie.push_back(static_cast<wchar_t>(kHex[o >> 4]));
      sortie.push_back(static_cast<wchar_t>(kHex[o & 0xF]));
    }
  }
  return sortie;
}

}  // namespace

std::string CommandeSaut(std::string_view sujet) {
  std::string commande;
  commande.append(kDebutSaut).append(sujet).append(kFinSaut);
  if (commande.size() > kLongueurCommande) commande.resize(kLongueurCommande);
  return commande;
}

std::optional<std::string> SujetDuSaut(std::string_view macro) {
  if (macro.size() < kDebutSaut.size() + kFinSaut.size() || !macro.starts_with(kDebutSaut) ||
      !macro.ends_with(kFinSaut))
    return std::nullopt;
  std::string_view sujet = macro.substr(kDebutSaut.size(), macro.size() - kDebutSaut.size() - kFinSaut.size());
  if (sujet.empty() || sujet.find('"') != std::string_view::npos) return std::nullopt;
  return std::string(sujet);
}

std::wstring PageAide(std::wstring_view dossierProgramme, std::wstring_view fichierAide) {
  std::wstring_view nom = fichierAide.substr(fichierAide.find_last_of(L"\\/:") + 1);
  if (const size_t point = nom.find_last_of(L'.'); point != std::wstring_view::npos) nom = nom.substr(0, point);
  std::wstring page(dossierProgramme);
  if (!page.empty() && page.back() != L'\\') page.push_back(L'\\');
  return page.append(nom).append(L".html");
}

std::wstring UrlLocale(std::wstring_view chemin, std::wstring_view ancre) {
  std::wstring barres(chemin);
  for (wchar_t& c : barres)
    if (c == L'\\') c = L'/';
  // A UNC path already starts with the two slashes of its host; a drive path gets an empty host.
  std::wstring url = barres.starts_with(L"//") ? L"file:" : L"file:///";
  url += Encoder(barres, true);
  if (!ancre.empty()) url.append(L"#").append(Encoder(ancre, false));
  return url;
}

std::wstring LigneNavigateur(std::wstring_view modele, std::wstring_view url) {
  std::wstring ligne;
  bool remplace = false;
  for (size_t i = 0; i < modele.size(); ++i) {
    if (modele[i] == L'%' && i + 1 < modele.size() &&
        (modele[i + 1] == L'1' || modele[i + 1] == L'L' || modele[i + 1] == L'l')) {
      ligne.append(url);
      remplace = true;
      ++i;
    } else {
      ligne.push_back(modele[i]);
    }
  }
  if (!remplace) ligne.append(L" \"").append(url).append(L"\"");
  return ligne;
}

}  // namespace ui
