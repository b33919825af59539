// Start-up benchmark, one kind of run N times (1 by default):
//   quorvane_banc_demarrage.exe quorvane [N]  the real program: from CreateProcess to its main window
//       existing (still hidden) and to it being visible; prints "run <created ms> <visible ms> <speed text>"
//   quorvane_banc_demarrage.exe dxdiag [N]    the peer, Wine's dxdiag writing its full text report;
//       prints "dxdiag <ms>"
#include <cstdio>
#include <cwchar>
#include <string>

#include "Pilote.h"

namespace {

double Millisecondes(const LARGE_INTEGER& debut) {
  LARGE_INTEGER f, maintenant;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&maintenant);
  return static_cast<double>(maintenant.QuadPart - debut.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Polls every millisecond: the program's own time is what is measured, not the driver's.
HWND AttendreFiche(const pilote::Processus& p, bool visible) {
  for (int i = 0; i < 60000; ++i) {
    if (HWND h = p.Fenetre(L"TFichePrinc", 0, visible)) return h;
    Sleep(1);
  }
  return nullptr;
}

void Quorvane(int fois) {
  const std::wstring exe = pilote::Copie(L"Q_demarrage.exe");
  for (int i = 0; i < fois; ++i) {
    LARGE_INTEGER debut;
    QueryPerformanceCounter(&debut);
    pilote::Processus quorvane(exe);
    const HWND creee = AttendreFiche(quorvane, false);
    const double tCreee = Millisecondes(debut);
    const HWND visible = AttendreFiche(quorvane, true);
    const double tVisible = Millisecondes(debut);
    if (!creee || !visible) {
      std::fwprintf(stderr, L"run %d: the main window did not come up\n", i + 1);
      return;
    }
    std::wprintf(L"run %.1f %.1f %ls\n", tCreee, tVisible,
                 pilote::Texte(pilote::Controle(visible, "LblVitesse")).c_str());
    std::fflush(stdout);
    PostMessageW(visible, WM_CLOSE, 0, 0);
    quorvane.AttendreFin(10000);
  }
}

// The peer: Wine's dxdiag writing a full system report to a text file.
void Dxdiag(int fois) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring ligne = L"dxdiag.exe /t \"" + std::wstring(temp) + L"quorvane-dxdiag.txt\"";
  for (int i = 0; i < fois; ++i) {
    LARGE_INTEGER debut;
    QueryPerformanceCounter(&debut);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring commande = ligne;
    if (!CreateProcessW(nullptr, commande.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) break;
    WaitForSingleObject(pi.hProcess, 60000);
    std::wprintf(L"dxdiag %.1f\n", Millisecondes(debut));
    std::fflush(stdout);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring quoi = argc > 1 ? argv[1] : L"";
  const int fois = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 1;
  if (quoi == L"quorvane")
    Quorvane(fois);
  else if (quoi == L"dxdiag")
    Dxdiag(fois);
  else
    return 2;
  return 0;
}
