#pragma once
// Files as the tests prepare and inspect them, through the Windows file functions.
#include <optional>
#include <string>
#include <vector>

namespace fichiers {

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> Lire(const std::wstring& chemin);
// Creates or truncates the file with these bytes; false on failure.
bool Ecrire(const std::wstring& chemin, const std::string& octets);
// Fills the file's volume until it refuses another byte.
void Remplir(const std::wstring& chemin);
// The names in a folder, sorted.
std::vector<std::wstring> Contenu(const std::wstring& dossier);
// A folder of that name under the Windows temporary folder, emptied.
std::wstring DossierVide(const std::wstring& nom);
// How Wine shows a Linux path (drive Z: is the Linux root).
std::wstring DepuisLinux(const std::wstring& chemin);

}  // namespace fichiers
