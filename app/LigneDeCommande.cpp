#include "app/LigneDeCommande.h"

#include <windows.h>

#include <shellapi.h>

#include "base/Tardives.h"
#include "base/LigneDeCommandeRules.h"

namespace appli {

// Typed as `Quorvane`, the console twin runs: the prompt waits and the exit code reaches it. PowerShell runs
// nothing from the current folder without ".\" before its name, and is given the twin's full name, whatever
// PATHEXT says.
const wchar_t kUsage[] =
    L"Quorvane : lecture de configuration.\r\n"
    L"\r\n"
    L"Quorvane\r\n"
    L"    Ouvre la fenêtre.\r\n"
    L"Quorvane /rapport FICHIER\r\n"
    L"    Examine le PC sans fenêtre et enregistre le rapport dans FICHIER.\r\n"
    L"Quorvane /releve FICHIER\r\n"
    L"    Enregistre dans FICHIER ce que le PC a répondu à l'examen (un relevé).\r\n"
    L"    Pour signaler un problème : Quorvane /releve releve.txt, puis joignez le fichier\r\n"
    L"    (dans PowerShell : .\\Quorvane.com /releve releve.txt).\r\n"
    L"Quorvane /rejouer RELEVE\r\n"
    L"    Ouvre la fenêtre telle que le PC du relevé l'a montrée.\r\n"
    L"Quorvane /rejouer RELEVE /rapport FICHIER\r\n"
    L"    Enregistre dans FICHIER le rapport du PC du relevé.\r\n"
    L"Quorvane /?\r\n"
    L"    Affiche cette aide.\r\n"
    L"\r\n"
    L"Code de sortie : 0 si le fichier est enregistré, 1 sinon.\r\n"
    L"Dans PowerShell, tapez .\\Quorvane.com au lieu de Quorvane : PowerShell attend\r\n"
    L"alors la fin, et $LASTEXITCODE donne ce code.\r\n";

namespace {
// Whether anything follows the program's own name.
bool ArgumentsPresents(const wchar_t* ligne) {
  ligne = base::ApresLeProgramme(ligne);
  while (*ligne == L' ' || *ligne == L'\t') ++ligne;
  return *ligne != 0;
}
}  // namespace

Commande CommandeDuProcessus() {
  // The shell's parser costs a plain start the shell DLL: it is loaded only for a command line with arguments.
  const wchar_t* ligne = GetCommandLineW();
  if (!ArgumentsPresents(ligne)) return {};
  const auto decouper = base::tardives::CommandLineToArgvW();
  int n = 0;
  wchar_t** arguments = decouper ? decouper(ligne, &n) : nullptr;
  std::vector<std::wstring> apres;
  for (int i = 1; arguments && i < n; ++i) apres.emplace_back(arguments[i]);
  LocalFree(arguments);
  return Interpreter(apres);
}

}  // namespace appli
