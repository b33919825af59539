#include <algorithm>

#include "assess/EcritureRules.h"
#include "assess/Lecture.h"
#include "base/Textes.h"

namespace bilan {

std::string LireFichier(const std::wstring& chemin, size_t tailleMax, Fichiers& f) {
  // A console's CON would wait for the keyboard, NUL read as an empty file.
  if (NomReserve(chemin, f)) throw ErreurNomReserve(chemin);
  Ouvert fichier(f);
  if (fichier.Ouvrir(CheminPourWindows(chemin), kAccesLecture, kPartageTout, kOuvrirExistant) != kSucces)
    throw base::Exception(base::Remplir(base::Texte::OuvertureImpossible, {chemin}));
  std::string octets(tailleMax + 1, '\0');
  size_t lus = 0;
  for (uint32_t n = 1; n != 0 && lus < octets.size(); lus += n) {
    const auto morceau = static_cast<uint32_t>(std::min<size_t>(octets.size() - lus, 1u << 20));
    if (f.ReadFile(fichier.get(), octets.data() + lus, morceau, n) != kSucces)
      throw base::Exception(base::Remplir(base::Texte::LectureImpossible, {chemin}));
  }
  octets.resize(lus);
  return octets;
}

}  // namespace bilan
