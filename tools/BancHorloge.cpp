// Starts the real program N times (5 by default) and prints the speed each run shows, one line per run:
//   quorvane_banc_horloge.exe [N]
// scripts/bench-clock sets the figures beside the host's counter frequency.
#include <cstdio>
#include <cwchar>
#include <string>

#include "Pilote.h"

int wmain(int argc, wchar_t** argv) {
  const int fois = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 5;
  for (int i = 0; i < fois; ++i) {
    pilote::Processus quorvane(pilote::Copie(L"Q_banc.exe"));
    HWND fiche = quorvane.Fenetre(L"TFichePrinc");
    if (!fiche) {
      std::fwprintf(stderr, L"run %d: the main window did not come up\n", i + 1);
      return 1;
    }
    std::wprintf(L"%ls\n", pilote::Texte(pilote::Controle(fiche, "LblVitesse")).c_str());
    std::fflush(stdout);
    PostMessageW(fiche, WM_CLOSE, 0, 0);
    if (quorvane.AttendreFin(10000) != 0) {
      std::fwprintf(stderr, L"run %d: the program did not end cleanly\n", i + 1);
      return 1;
    }
  }
  return 0;
}
