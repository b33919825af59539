#pragma once
// Naming for the save that never loses the user's file: the new content is written beside the target
// under a temporary name, then moved over it.
#include <cstdint>
#include <string>

#include "assess/Fichiers.h"
#include "base/Exception.h"

namespace bilan {

// The folder part of a full path, its last separator ('\\', '/' or a drive's ':') included; empty when
// the path has none.
std::wstring DossierDe(const std::wstring& chemin);

// A temporary file name in the target's folder, so that the final move stays on one volume. `graine`
// picks one of many names; a name taken already is retried with another seed.
std::wstring NomTemporaire(const std::wstring& cible, uint32_t graine);

// A path that Windows takes whatever its length: from MAX_PATH (260) characters, counting the final zero,
// the long form "\\?\C:\..." or "\\?\UNC\server\share\...", in which the system no longer turns '/'
// into '\', so this does. A shorter path, a path in the long form already, and a path that is not
// absolute are returned as they are.
std::wstring CheminPourWindows(const std::wstring& chemin);

// Whether a path names a file rather than a file's stream: no ':' but a drive's, at the start or after the long
// form's "\\?\". Past the folder, a ':' would end the temporary file's folder part inside a file's name.
bool SansFlux(const std::wstring& chemin);

// The path as a prompt means it: relative to the current folder, ".." resolved, before the long form. A path
// that the system cannot resolve, or turns into a device, stays as typed: the save and the read refuse it by
// the name the player gave.
std::wstring CheminComplet(const std::wstring& chemin, Fichiers& f = FichiersDuSysteme());

// Whether the system turns `chemin` into a device ("\\.\NUL", "\\.\CON"...) that it does not name itself:
// the system's own answer decides, as it differs from Windows 10 to Windows 11.
bool NomReserve(const std::wstring& chemin, Fichiers& f);
// "« nul.txt » est un nom réservé de Windows ; choisissez-en un autre", the file's name as typed.
base::Exception ErreurNomReserve(const std::wstring& chemin);

// Each step of a save that meets a file someone else holds for a moment is tried this many times, this far
// apart; a save has at most this many such steps (the replace, the two restoring moves, a deletion).
constexpr int kEssaisRemplacement = 10;
constexpr unsigned kPauseRemplacementMs = 50;
constexpr int kEtapesReessayees = 4;

}  // namespace bilan
