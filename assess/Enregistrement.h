#pragma once
// Saving bytes to a file so that an existing file is either wholly replaced or left as it was.
#include <string>
#include <string_view>

namespace rapport {

// Writes `octets` to a new file beside `chemin`, flushes it and moves it over `chemin`. On failure the
// new file is removed, the target is untouched and ui::Exception is thrown: "Impossible de créer le
// fichier <chemin>" when the file cannot be made or the target cannot be replaced, "Erreur d'écriture
// dans le flux" when the bytes cannot all be written.
void EnregistrerSansPerte(const std::wstring& chemin, std::string_view octets);

}  // namespace rapport
