#pragma once
// The configuration report and the relevé outside the window: a value label's text, the report's text and
// bytes from the findings, a relevé's file written and read.
#include <string>
#include <variant>

#include "app/CfgRules.h"
#include "probes/Releve.h"
#include "probes/ReleveRules.h"

namespace appli {

// A value label's text as the window shows it: the table's text in the system's ANSI code page, up to a
// zero character, as a label holds it.
std::wstring TexteValeur(const LigneValeur& valeur, const sondes::ResultatsInspection& r);
// The report as the memo holds it once the labels show the findings: its own empty line, then the lines.
std::wstring TexteRapport(const sondes::ResultatsInspection& r);
// The bytes that the export writes for a report's text: the text in the system's ANSI code page. A text
// that cannot be converted throws, and is never written.
std::string OctetsRapport(const std::wstring& texte);

// The relevé's file: the answers, then the report they gave, as the writer's record.
std::string OctetsReleve(sondes::Releve releve, const sondes::ResultatsInspection& r);
// A relevé read from `chemin`, or the French message that says why it cannot be read.
std::variant<sondes::ReleveLu, std::wstring> LireFichierReleve(const std::wstring& chemin);
// What the player is told of an answer read past: a later version's, which this one does without.
std::wstring NoteReponseIgnoree(const std::wstring& chemin, const sondes::LigneIgnoree& ligne);
// The file's name without its folder.
std::wstring NomSansDossier(const std::wstring& chemin);

}  // namespace appli
