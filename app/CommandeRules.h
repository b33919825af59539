#pragma once
// What the command line asks for, from its arguments after the program's name. Switches ignore case, as
// the system's own programs' do; the first switch that decides wins, and what follows is ignored but the
// report's file of a replay.
#include <string>
#include <vector>

namespace appli {

enum class Mode {
  Fenetre,          // no switch: the window
  Rapport,          // /rapport FICHIER: this machine's report, without a window
  Releve,           // /releve FICHIER: this machine's relevé, without a window
  Rejouer,          // /rejouer RELEVE: the window as the relevé's machine showed it
  RejouerRapport,   // /rejouer RELEVE /rapport FICHIER: that machine's report, without a window
  Aide,             // /?: the usage
  FichierManquant,  // a switch without its file: the usage, as an error
};

struct Commande {
  Mode mode = Mode::Fenetre;
  std::wstring fichier;  // the report's or the relevé's file to write
  std::wstring releve;   // the relevé to replay
  std::wstring option;   // FichierManquant: the switch that lacks its file, as typed
};

Commande Interpreter(const std::vector<std::wstring>& arguments);

// Whether a report's file takes the JSON report: its name ends with ".json", in any case.
bool RapportJson(const std::wstring& fichier);

// Whether the program runs without a window (and so takes no part in the single instance).
inline bool SansFenetre(Mode mode) { return mode != Mode::Fenetre && mode != Mode::Rejouer; }

}  // namespace appli
