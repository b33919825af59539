#include "probes/ReleveChampsRules.h"

#include <algorithm>

#include "base/TexteRules.h"

namespace sondes::releve {
namespace {

constexpr char kChiffres[] = "0123456789ABCDEF";

// Reads the quoted text that opens at l[i]; i ends past the closing quote.
bool LireTexte(std::string_view l, size_t& i, std::string& t) {
  for (++i; i < l.size(); ++i) {
    const auto c = static_cast<uint8_t>(l[i]);
    if (c == '"') return ++i, true;
    if (c < 0x20 || c == 0x7F) return false;
    if (c != '\\') {
      t += l[i];
    } else if (++i < l.size() && (l[i] == '\\' || l[i] == '"')) {
      t += l[i];
    } else {
      uint8_t octet = 0;
      if (i + 2 >= l.size() || l[i] != 'x' || !Nombre(l.substr(i + 1, 2), octet, 16)) return false;
      t += static_cast<char>(octet);
      i += 2;
    }
  }
  return false;
}

}  // namespace

std::string Echapper(std::string_view s) {
  std::string e;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<uint8_t>(s[i]);
    const size_t n = c >= 0x20 && c < 0x7F ? 1 : base::LongueurUtf8(s, i);
    if (c == '"' || c == '\\') e += '\\';
    if (n == 0) {
      e += {'\\', 'x', kChiffres[c >> 4], kChiffres[c & 15]};
      ++i;
    } else {
      e += s.substr(i, n);
      i += n;
    }
  }
  return e;
}

std::string Texte(std::string_view texte) { return '"' + Echapper(texte) + '"'; }

std::string Hex(uint32_t valeur, size_t chiffres) {
  std::string s(chiffres, '0');
  for (size_t k = chiffres; k-- > 0; valeur >>= 4) s[k] = kChiffres[valeur & 15];
  return s;
}

std::string Version(const std::optional<uint64_t>& v) {
  if (!v) return "aucune";
  std::string s;
  for (int decalage = 48; decalage >= 0; decalage -= 16)
    s += std::to_string(*v >> decalage & 0xFFFF) + (decalage ? "." : "");
  return s;
}

bool Champs::Decouper(std::string_view l, size_t p) {
  for (bool separe = false; p < l.size();) {
    if (l[p] == ' ' || l[p] == '\t') {
      separe = true;
      ++p;
    } else if (l[p] == ':') {
      if (separe || deuxPoints_ != std::string_view::npos) return false;
      deuxPoints_ = jetons_.size();
      ++p;
    } else {
      if (!separe) return false;
      separe = false;
      Jeton& j = jetons_.emplace_back();
      j.guillemets = l[p] == '"';
      if (j.guillemets) {
        if (!LireTexte(l, p, j.texte)) return false;
      } else {
        const size_t fin = std::min(l.find_first_of(" \t\":", p), l.size());
        j.texte = l.substr(p, fin - p);
        p = fin;
      }
    }
  }
  return deuxPoints_ != std::string_view::npos;
}

const std::string* Champs::Nu() {
  return i_ < jetons_.size() && !jetons_[i_].guillemets ? &jetons_[i_++].texte : nullptr;
}

bool Champs::Texte(std::string& v) {
  if (i_ == jetons_.size() || !jetons_[i_].guillemets) return false;
  v = jetons_[i_++].texte;
  return true;
}

bool Champs::Hr(int32_t& v) {
  uint32_t u = 0;
  if (!Hex(u, 8)) return false;
  v = static_cast<int32_t>(u);
  return true;
}

bool Champs::Bool(bool& v) {
  const std::string* t = Nu();
  if (!t || (*t != "0" && *t != "1")) return false;
  v = *t == "1";
  return true;
}

bool Champs::Version(std::optional<uint64_t>& v) {
  const std::string* t = Nu();
  if (!t) return false;
  v.reset();
  if (*t == "aucune") return true;
  std::string_view reste = *t;
  uint64_t version = 0;
  for (int k = 0; k < 4; ++k) {
    const size_t point = k < 3 ? reste.find('.') : reste.size();
    uint16_t partie = 0;
    if (point == std::string_view::npos || !Nombre(reste.substr(0, point), partie)) return false;
    version = version << 16 | partie;
    reste.remove_prefix(std::min(point + 1, reste.size()));
  }
  v = version;
  return true;
}

}  // namespace sondes::releve
