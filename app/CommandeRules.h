#pragma once
// What the command line asks for: the window, the report without a window (/rapport FICHIER), or the usage
// (/?). Anything else on it is ignored.
#include <span>
#include <string>

namespace appli {

enum class Mode {
  Fenetre,
  Rapport,          // to `fichier`
  Aide,             // the usage
  FichierManquant,  // /rapport without a file: the usage, as an error
};

struct Commande {
  Mode mode = Mode::Fenetre;
  std::wstring fichier;
};

// `arguments` follow the program's name. The first switch decides, whatever its case; what follows the
// report's file is ignored.
Commande LireCommande(std::span<const std::wstring> arguments);

}  // namespace appli
