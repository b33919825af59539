#pragma once
// A file read as the safe save writes it: through the file seam, in the long form from MAX_PATH on, and never
// from a device that the system makes of a reserved name.
#include <cstddef>
#include <string>

#include "assess/Fichiers.h"

namespace bilan {

// The first bytes of the file at `chemin`, `tailleMax` + 1 at most, so that a longer file is refused without
// being read whole. Throws the reserved name's message, "Impossible d'ouvrir le fichier <chemin>" or "Impossible
// de lire le fichier <chemin>".
std::string LireFichier(const std::wstring& chemin, size_t tailleMax, Fichiers& fichiers = FichiersDuSysteme());

}  // namespace bilan
