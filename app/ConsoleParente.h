#pragma once
// The console of whoever started the program, for the runs without a window. A program of the Windows
// subsystem starts without a console: it attaches to its parent's, if there is one. Handles that the
// parent gave (a file, a pipe) are kept; the others become the console's.
#include <windows.h>

#include <string>

#include "base/Handle.h"

namespace appli {

class Console {
 public:
  Console();

  void Sortie(const std::wstring& texte) const { Ecrire(sortie_, texte); }
  void Erreur(const std::wstring& texte) const { Ecrire(erreurs_, texte); }
  // Started from Explorer, a shortcut or the Task Scheduler: no console and no handle to write to.
  bool Muette() const { return !sortie_ && !erreurs_; }
  // Where a box can be seen: not on a window station that nobody sees (a task that runs whether its user
  // is logged on or not), where a box would wait for a click that never comes.
  static bool BoiteVisible();

  // An error on the console, or in the window's error box when nobody would read the console.
  void Signaler(const std::wstring& texte) const;

 private:
  void Ecrire(HANDLE h, const std::wstring& texte) const;

  HANDLE sortie_, erreurs_;
  base::Handle ecran_;
  UINT page_ = CP_UTF8;
};

}  // namespace appli
