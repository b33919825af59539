#pragma once
// Saving bytes to a file so that the user's bytes, old and new, are never lost: the target ends wholly
// replaced or as it was, and a failure says where each copy is.
#include <string>
#include <string_view>

#include "assess/Fichiers.h"
#include "base/Exception.h"

namespace bilan {

// The save, situation by situation. "Refused" throws "Impossible de créer le fichier <chemin>", "write error"
// "Erreur d'écriture dans le flux". A file someone holds a moment (a scanner, an indexer) is tried again, up
// to 10 times 50 ms apart, at four steps at most: one save waits under 2 s, within the 5 s that a console's
// closing leaves a process.
//
// situation                                 route                                    outcome
// ':' past the drive, a folder, a read-only, -                                       refused, nothing made
//   hidden or system target, a broken link
// a symbolic link                           its file is the target                   the link stays a link
// new target                                new: a temporary file opened with        the new file
//                                           DELETE, written, flushed, renamed
//                                           through its handle, closed
//   no rename through a handle              direct: the target created, written,     the new file
//                                           flushed, closed
//   no temporary file (the folder refuses   direct                                   refused, nothing made
//   new files)
//   a write, flush or close fails           -                                        write error, nothing made
// existing target                           replace: the temporary file written and  the new bytes with the old
//                                           closed, ReplaceFileW with a backup name, file's attributes, times,
//                                           the backup deleted                       streams and security
//   held, or names kept by ReplaceFileW     tried again                              then refused, untouched
//   (1175, 1176, any other error)
//   ReplaceFileW 1177: the old file under   the old file moved back, else the new    refused with the old bytes
//   the backup name, the new one under its  one moved in (each move tried again);    back; or the new file; or
//   own                                     when neither moves, both stay            refused naming both files
//   the backup held after the replace       its deletion tried again                 the new file
//   a write, flush or close fails           -                                        write error, untouched
// existing target in a folder that refuses  in place: the old bytes read, the new    the new file; on any failure
//   deletion, or no temporary file          written over them, cut, flushed, closed  (write, cut, flush, close)
//                                                                                    the old bytes back, write error
//   the target 64 MiB or more               plain write, as a plain program saves    the new file; a failure:
//                                                                                    write error, old bytes lost
// A temporary file outlives a save only as the only copy of the old or the new bytes: named in the message of a
// failed save, or, after a success, the old file's backup while someone still holds it.
void EnregistrerSansPerte(const std::wstring& chemin, std::string_view octets,
                          Fichiers& fichiers = FichiersDuSysteme());

// The error of bytes that cannot all be written, or of a text that cannot become bytes: never saved.
base::Exception ErreurEcriture();

}  // namespace bilan
