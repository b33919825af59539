#include "assess/JsonRules.h"

#include "base/TexteRules.h"

namespace bilan::json {

std::string Chaine(std::string_view brut) {
  constexpr char kChiffres[] = "0123456789abcdef";
  // A relevé's text may hold any byte: what is no UTF-8 becomes U+FFFD, so that the file stays JSON.
  const std::string texte = base::Utf8(base::Large(brut));
  std::string s = "\"";
  for (const char c : texte) {
    const auto o = static_cast<uint8_t>(c);
    if (c == '"' || c == '\\') {
      s += {'\\', c};
    } else if (o < 0x20) {
      s += {'\\', 'u', '0', '0', kChiffres[o >> 4], kChiffres[o & 15]};
    } else {
      s += c;
    }
  }
  return s + '"';
}

Objet& Objet::Ajouter(std::string_view cle, Sorte sorte, std::string scalaire, std::vector<Objet> objets) {
  membres_.push_back({std::string(cle), std::move(scalaire), sorte, std::move(objets)});
  return *this;
}

Objet& Objet::Texte(std::string_view cle, std::string texte) {
  return Ajouter(cle, Sorte::Scalaire, Chaine(texte), {});
}
Objet& Objet::Nombre(std::string_view cle, uint64_t n) { return Ajouter(cle, Sorte::Scalaire, std::to_string(n), {}); }
Objet& Objet::Entier(std::string_view cle, int64_t n) { return Ajouter(cle, Sorte::Scalaire, std::to_string(n), {}); }
Objet& Objet::Booleen(std::string_view cle, bool oui) {
  return Ajouter(cle, Sorte::Scalaire, oui ? "true" : "false", {});
}
Objet& Objet::Membre(std::string_view cle, Objet objet) { return Ajouter(cle, Sorte::Objet, {}, {std::move(objet)}); }
Objet& Objet::Liste(std::string_view cle, std::vector<Objet> objets) {
  return Ajouter(cle, Sorte::Liste, {}, std::move(objets));
}

Objet& Objet::Nul(std::string_view cle, const std::string& raison) {
  raisons_.push_back(std::string(cle) + " : " + raison);
  return Ajouter(cle, Sorte::Scalaire, "null", {});
}

std::string Objet::Ecrire(size_t niveau) const {
  const std::string marge(2 * niveau + 2, ' ');
  std::string s = "{";
  const auto cle = [&](std::string_view c) { s += (s.size() > 1 ? ",\n" : "\n") + marge + Chaine(c) + ": "; };
  for (const Champ& m : membres_) {
    cle(m.cle);
    if (m.sorte == Sorte::Scalaire) {
      s += m.scalaire;
    } else if (m.sorte == Sorte::Objet) {
      s += m.objets.front().Ecrire(niveau + 1);
    } else if (m.objets.empty()) {
      s += "[]";
    } else {
      s += "[";
      for (size_t i = 0; i < m.objets.size(); ++i)
        s += (i ? ",\n" : "\n") + marge + "  " + m.objets[i].Ecrire(niveau + 2);
      s += "\n" + marge + "]";
    }
  }
  if (!raisons_.empty()) {
    std::string raison;
    for (const std::string& r : raisons_) raison += (raison.empty() ? "" : " ; ") + r;
    cle("raison");
    s += Chaine(raison);
  }
  return s + (s.size() > 1 ? "\n" + std::string(2 * niveau, ' ') + "}" : "}");
}

}  // namespace bilan::json
