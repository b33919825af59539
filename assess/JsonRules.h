#pragma once
// A small JSON writer for the report: objects keep their keys in the order given, texts are UTF-8, and an
// object that holds a null says why in its "raison", so that a reader never meets an unexplained null.
#include <cstdint>
#include <type_traits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "probes/Constats.h"

namespace bilan::json {

class Objet {
 public:
  Objet& Texte(std::string_view cle, std::string texte);
  Objet& Nombre(std::string_view cle, uint64_t nombre);
  Objet& Entier(std::string_view cle, int64_t nombre);
  Objet& Booleen(std::string_view cle, bool oui);
  Objet& Membre(std::string_view cle, Objet objet);
  Objet& Liste(std::string_view cle, std::vector<Objet> objets);
  // null, and why, in this object's "raison".
  Objet& Nul(std::string_view cle, const std::string& raison);

  // A fact: its value, or null with its reason.
  template <class T>
  Objet& Fait(std::string_view cle, const sondes::Fait<T>& fait) {
    if (!fait.valeur) return Nul(cle, fait.raison);
    if constexpr (std::is_same_v<T, std::string>)
      return Texte(cle, *fait.valeur);
    else if constexpr (std::is_same_v<T, bool>)
      return Booleen(cle, *fait.valeur);
    else if constexpr (std::is_signed_v<T>)
      return Entier(cle, *fait.valeur);
    else
      return Nombre(cle, *fait.valeur);
  }

  // Indented by two blanks a level, lines ended by LF.
  std::string Ecrire(size_t niveau = 0) const;

 private:
  enum class Sorte : uint8_t { Scalaire, Objet, Liste };
  struct Champ {
    std::string cle, scalaire;  // the scalar's JSON text
    Sorte sorte = Sorte::Scalaire;
    std::vector<Objet> objets;  // the object, or the list's items
  };
  Objet& Ajouter(std::string_view cle, Sorte sorte, std::string scalaire, std::vector<Objet> objets);

  std::vector<Champ> membres_;
  std::vector<std::string> raisons_;  // "key: why", for "raison"
};

// A JSON string: quotes, backslashes and control characters escaped; bytes of no UTF-8 sequence as U+FFFD.
std::string Chaine(std::string_view texte);

}  // namespace bilan::json
