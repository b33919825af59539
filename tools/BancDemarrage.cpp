// Start-up benchmark: starts the real program N times (5 by default) and prints, one line per run, the
// milliseconds from CreateProcess to the main window existing (still hidden) and to it being visible, and
// the speed it shows; then times Wine's dxdiag writing its full text report, as a peer. One run of each
// comes first and is not reported: it pays for the Wine session's own start (services, caches).
//   quorvane_banc_demarrage.exe [N]
// Output lines: "run <created ms> <visible ms> <speed text>", then "dxdiag <ms>".
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int fois = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 5;
  const std::wstring exe = pilote::Copie(L"Q_demarrage.exe");
  for (int i = -1; i < fois; ++i) {
    LARGE_INTEGER debut;
    QueryPerformanceCounter(&debut);
    pilote::Processus quorvane(exe);
    const HWND creee = AttendreFiche(quorvane, false);
    const double tCreee = Millisecondes(debut);
    const HWND visible = AttendreFiche(quorvane, true);
    const double tVisible = Millisecondes(debut);
    if (!creee || !visible) {
      std::fwprintf(stderr, L"run %d: the main window did not come up\n", i + 1);
      return 1;
    }
    if (i >= 0)
      std::wprintf(L"run %.1f %.1f %ls\n", tCreee, tVisible,
                   pilote::Texte(pilote::Controle(visible, "LblVitesse")).c_str());
    std::fflush(stdout);
    PostMessageW(visible, WM_CLOSE, 0, 0);
    quorvane.AttendreFin(10000);
  }
  // The peer: Wine's dxdiag writing a full system report to a text file.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring ligne = L"dxdiag.exe /t \"" + std::wstring(temp) + L"quorvane-dxdiag.txt\"";
  for (int i = -1; i < fois; ++i) {
    LARGE_INTEGER debut;
    QueryPerformanceCounter(&debut);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring commande = ligne;
    if (!CreateProcessW(nullptr, commande.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) break;
    WaitForSingleObject(pi.hProcess, 60000);
    if (i >= 0) std::wprintf(L"dxdiag %.1f\n", Millisecondes(debut));
    std::fflush(stdout);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  return 0;
}
