#include "base/Textes.h"

#include <algorithm>

namespace base {

std::wstring RemplirModele(std::wstring_view modele, std::initializer_list<std::wstring_view> valeurs) {
  std::wstring texte;
  for (size_t i = 0; i < modele.size();) {
    // A slot is '{', decimal digits, '}'; anything else is copied as it is.
    size_t fin = i + 1, index = 0;
    if (modele[i] == L'{')
      for (; fin < modele.size() && modele[fin] >= L'0' && modele[fin] <= L'9'; ++fin)
        index = std::min(index * 10 + static_cast<size_t>(modele[fin] - L'0'), valeurs.size());
    if (fin > i + 1 && fin < modele.size() && modele[fin] == L'}' && index < valeurs.size()) {
      texte += valeurs.begin()[index];
      i = fin + 1;
    } else {
      texte += modele[i++];
    }
  }
  return texte;
}

std::wstring Remplir(Texte id, std::initializer_list<std::wstring_view> valeurs) {
  return RemplirModele(Dire(id), valeurs);
}

}  // namespace base
