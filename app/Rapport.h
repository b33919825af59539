#pragma once
// The configuration report outside the window's memo: a value label's text, the report's text and bytes
// from the findings, and the run without a window that writes them.
#include <string>

#include "app/CfgRules.h"

namespace appli {

// A value label's text as the window shows it: the table's text in the system's ANSI code page, up to a
// zero character, as a label holds it.
std::wstring TexteValeur(const LigneValeur& valeur, const sondes::ResultatsInspection& r);
// The report as the memo holds it once the labels show the findings: its own empty line, then the lines.
std::wstring TexteRapport(const sondes::ResultatsInspection& r);
// The bytes that the export writes for a report's text: the text in the system's ANSI code page. A text
// that cannot be converted throws, and is never written.
std::string OctetsRapport(const std::wstring& texte);

// What the command line asks for: the window, the report without a window (/rapport FICHIER), or the usage
// (/?). Anything else on it is ignored.
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
// This process's command line: the first switch decides, whatever its case; what follows the report's file
// is ignored.
Commande CommandeDuProcessus();

// The program without a window (any mode but Mode::Fenetre): the usage, or the inspection and its report
// saved as the export saves it, the messages on the console of whoever started the program. The exit
// code: 0, or 1 on failure.
int SansFenetre(const Commande& commande);

}  // namespace appli
