// Start-up benchmark, one kind of run N times (1 by default):
//   quorvane_banc_demarrage.exe paires [N]  N adjacent pairs: the fair floor (quorvane_plancher.exe), then the
//       real program, each timed from CreateProcess to its window being visible; prints "floor <visible ms>"
//       and "run <created ms> <visible ms> <speed text> phases <four phases in ms>", after
//       "second <ms>": a second start of the same program while the first shows its window, to its end
//   quorvane_banc_demarrage.exe dxdiag [N]  the peer, Wine's dxdiag writing its full text report;
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

// Looks every millisecond (the driver's own wait sleeps 20 ms between looks), with one light query each
// time, so as to disturb the measured program as little as possible: the window of that class, of that
// process, found by its class alone (the benchmark runs one such program at a time).
HWND AttendreFenetre(const pilote::Processus& p, const wchar_t* classe, bool visible) {
  for (int i = 0; i < 60000; ++i) {
    if (HWND h = FindWindowW(classe, nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      if (pid == p.Pid() && (!visible || IsWindowVisible(h))) return h;
    }
    Sleep(1);
  }
  return nullptr;
}

std::wstring Temporaire(const wchar_t* nom) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + nom;
}

// Both programs start from the same folder, the way the same user would start them.
std::wstring CopiePlancher() {
  const std::wstring quorvane = pilote::Copie(L"Q_demarrage.exe");
  const std::wstring cible = quorvane.substr(0, quorvane.find_last_of(L'\\')) + L"\\Q_plancher.exe";
  CopyFileW((pilote::DossierDesTests() + L"\\quorvane_plancher.exe").c_str(), cible.c_str(), FALSE);
  return cible;
}

bool Plancher(const std::wstring& exe) {
  LARGE_INTEGER debut;
  QueryPerformanceCounter(&debut);
  pilote::Processus plancher(exe);
  const HWND visible = AttendreFenetre(plancher, L"QuorvanePlancher", true);
  const double t = Millisecondes(debut);
  if (!visible) {
    std::fwprintf(stderr, L"floor: the window did not come up\n");
    return false;
  }
  std::wprintf(L"floor %.1f\n", t);
  std::fflush(stdout);
  PostMessageW(visible, WM_CLOSE, 0, 0);
  plancher.AttendreFin(10000);
  return true;
}

bool Quorvane(const std::wstring& exe) {
  const std::wstring phases = Temporaire(L"quorvane-phases.txt");
  DeleteFileW(phases.c_str());
  LARGE_INTEGER debut;
  QueryPerformanceCounter(&debut);
  pilote::Processus quorvane(exe, SW_SHOWNORMAL, {L"QUORVANE_PHASES=" + phases});
  const HWND creee = AttendreFenetre(quorvane, L"TFichePrinc", false);
  const double tCreee = Millisecondes(debut);
  const HWND visible = AttendreFenetre(quorvane, L"TFichePrinc", true);
  const double tVisible = Millisecondes(debut);
  if (!creee || !visible) {
    std::fwprintf(stderr, L"the main window did not come up\n");
    return false;
  }
  const std::wstring vitesse = pilote::Texte(pilote::Controle(visible, "LblVitesse"));
  LARGE_INTEGER debutSecond;
  QueryPerformanceCounter(&debutSecond);
  pilote::Processus second(exe);
  const bool secondFini = second.AttendreFin(10000) == 0;
  const double tSecond = Millisecondes(debutSecond);
  PostMessageW(visible, WM_CLOSE, 0, 0);
  quorvane.AttendreFin(10000);
  // Written by the program once its window was visible.
  char ligne[128] = "phases -";
  if (FILE* f = _wfopen(phases.c_str(), L"r")) {
    if (!std::fgets(ligne, sizeof ligne, f)) ligne[0] = '\0';
    std::fclose(f);
  }
  if (secondFini) std::wprintf(L"second %.1f\n", tSecond);
  std::wprintf(L"run %.1f %.1f %ls %hs", tCreee, tVisible, vitesse.c_str(), ligne);
  std::fflush(stdout);
  return true;
}

// The peer: Wine's dxdiag writing a full system report to a text file.
void Dxdiag(int fois) {
  const std::wstring ligne = L"dxdiag.exe /t \"" + Temporaire(L"quorvane-dxdiag.txt") + L"\"";
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
  if (quoi == L"paires") {
    const std::wstring plancher = CopiePlancher(), quorvane = pilote::Copie(L"Q_demarrage.exe");
    for (int i = 0; i < fois; ++i)
      if (!Plancher(plancher) || !Quorvane(quorvane)) return 1;
  } else if (quoi == L"dxdiag") {
    Dxdiag(fois);
  } else {
    return 2;
  }
  return 0;
}
