#include "app/SansFenetre.h"

#include <windows.h>

#include <mutex>

#include "app/ConsoleParente.h"
#include "app/LigneDeCommande.h"
#include "app/Rapport.h"
#include "app/RapportJson.h"
#include "assess/Enregistrement.h"
#include "assess/EnregistrementRules.h"
#include "base/Texte.h"
#include "base/Textes.h"
#include "probes/ExamenRules.h"
#include "probes/PlateformeWindows.h"
#include "probes/Sondes.h"
#include "ui/Application.h"
#include "ui/TextRules.h"

namespace appli {
namespace {

// The probes' platform without a window: the warning that the window shows in a box is a line on the
// error output.
class PlateformeSansFenetre : public sondes::PlateformeWindows {
 public:
  explicit PlateformeSansFenetre(const Console& console) : PlateformeWindows(nullptr), console_(console) {}
  int MessageBoxA(const char* texte, const char* legende, UINT options) override {
    if (console_.Muette())
      return Console::BoiteVisible() ? PlateformeWindows::MessageBoxA(texte, legende, options) : IDOK;
    console_.Erreur(base::DepuisAnsi(legende).value_or(L"") + L" " + base::DepuisAnsi(texte).value_or(L"") + L"\r\n");
    return IDOK;
  }

 private:
  const Console& console_;
};

// Ctrl+C, Ctrl+Break or the console's closing ends the process from a thread that the system starts for
// the purpose: the end waits for a save in progress, and no save starts after it, so that no temporary
// file is left beside the file. Once a save has begun, the program ends by itself with the save's code:
// the event is taken as handled, so that no second end of the process races the first.
std::mutex gEnregistrement;  // Windows 2000 has no SRW lock; a mutex needs no set-up before the handler runs
bool gInterrompu = false;
bool gSauvegardeCommencee = false;

BOOL WINAPI Interrompre(DWORD) {
  const std::lock_guard verrou(gEnregistrement);
  gInterrompu = true;
  return gSauvegardeCommencee ? TRUE : FALSE;  // FALSE: the system's own handler ends the process
}

void Enregistrer(const std::wstring& fichier, const std::string& octets) {
  const std::lock_guard verrou(gEnregistrement);
  if (gInterrompu) ExitProcess(STATUS_CONTROL_C_EXIT);
  gSauvegardeCommencee = true;
  bilan::EnregistrerSansPerte(fichier, octets);
}

// The path as a prompt means it; a reserved name stays as typed, for the save and the read to refuse.
std::wstring CheminComplet(const std::wstring& fichier) { return bilan::CheminComplet(fichier); }

// The bytes a command saves: this machine's report or relevé, or the report of a relevé's machine.
std::string Octets(const Commande& commande, const Console& console) {
  if (commande.mode == Mode::RejouerRapport) {
    auto lu = LireFichierReleve(CheminComplet(commande.releve));
    if (auto* message = std::get_if<std::wstring>(&lu)) throw base::Exception(*message);
    const sondes::Releve& releve = std::get<sondes::ReleveLu>(lu).releve;
    for (const sondes::LigneIgnoree& l : std::get<sondes::ReleveLu>(lu).ignorees)
      console.Signaler(NoteReponseIgnoree(commande.releve, l));
    const sondes::Constats constats = sondes::Constater(releve);
    const sondes::ResultatsInspection resultats = sondes::Afficher(constats, base::AnsiDepuisUtf8);
    if (RapportJson(commande.fichier)) return OctetsRapportJson(constats, resultats);
    return OctetsRapport(TexteRapport(resultats));
  }
  // The window's inspection run, without the window's placement. The video probe initialises COM itself
  // for its diagnostic provider; the process ends after the run.
  PlateformeSansFenetre plateforme(console);
  sondes::TSysInfo sysInfo(plateforme);
  sondes::ResultatsInspection resultats;
  sondes::Releve releve;
  sondes::Inspecter(resultats, releve, sysInfo, plateforme);
  if (commande.mode == Mode::Releve) return OctetsReleve(std::move(releve), resultats);
  if (RapportJson(commande.fichier)) return OctetsRapportJson(sondes::Constater(releve), resultats);
  return OctetsRapport(TexteRapport(resultats));
}

}  // namespace

int LancerSansFenetre(const Commande& commande) {
  const Console console;
  if (commande.mode == Mode::Aide) {
    // Started without a console (Quorvane.exe from Run or a shortcut), the usage comes in a box.
    if (!console.Muette())
      console.Sortie(base::Dire(base::Texte::Usage));
    else if (Console::BoiteVisible())
      MessageBoxW(nullptr, base::Dire(base::Texte::Usage), base::Dire(base::Texte::TitreApplication),
                  MB_ICONINFORMATION | MB_OK);
    return 0;
  }
  if (commande.mode == Mode::FichierManquant) {
    console.Signaler(base::Remplir(base::Texte::FichierManquant, {commande.option, base::Dire(base::Texte::Usage)}));
    return 1;
  }
  SetConsoleCtrlHandler(Interrompre, TRUE);
  // Resolved at once, against the folder the command was typed in.
  const std::wstring fichier = CheminComplet(commande.fichier);
  try {
    Enregistrer(fichier, Octets(commande, console));
    return 0;
  } catch (...) {
    // The text of the window's error box.
    console.Signaler(ui::ErrorBoxText(ui::CurrentExceptionMessage()));
    return 1;
  }
}

std::optional<sondes::ReleveLu> ReleveARejouer(const std::wstring& chemin) {
  auto lu = LireFichierReleve(CheminComplet(chemin));
  if (auto* releve = std::get_if<sondes::ReleveLu>(&lu)) return std::move(*releve);
  Console().Signaler(ui::ErrorBoxText(std::get<std::wstring>(lu)));
  return std::nullopt;
}

}  // namespace appli
