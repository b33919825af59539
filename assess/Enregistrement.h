#pragma once
// Saving bytes to a file so that an existing file is either wholly replaced or left as it was.
#include <string>
#include <string_view>

#include "assess/Fichiers.h"
#include "base/Exception.h"

namespace bilan {

// Writes `octets` to a new file beside `chemin`, flushes it and puts it in the target's place: an existing
// target is replaced with ReplaceFileW, so that it keeps its security, creation time, attributes and
// streams; a symbolic link is written through to its file and stays a link. When no file can be created
// beside an existing target (a folder where the user may change files but not add any), or when the
// target may be written but not deleted, it is written in place, as a plain program would, its old bytes
// put back if the write fails. A replace that fails half-way puts the old file back at `chemin`, or else
// the new one; no temporary file outlives the save unless it is the only copy of the new bytes.
// On failure the new file is removed, the target is untouched and base::Exception is thrown: "Impossible de
// créer le fichier <chemin>" when the file cannot be made or the target cannot be replaced (a read-only,
// hidden or system file, a folder), "Erreur d'écriture dans le flux" when the bytes cannot all be written.
// The error of bytes that cannot all be written, or of a text that cannot become bytes: never saved.
base::Exception ErreurEcriture();

void EnregistrerSansPerte(const std::wstring& chemin, std::string_view octets,
                          Fichiers& fichiers = FichiersDuSysteme());

}  // namespace bilan
