#include "app/LigneDeCommande.h"

#include <windows.h>

#include <shellapi.h>

#include "base/Tardives.h"
#include "base/LigneDeCommandeRules.h"

namespace appli {

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
