#include "app/Phases.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/Tardives.h"

namespace appli::phases {
namespace {

bool gActives = false;
bool gFinie = false;  // the inspection has ended
std::wstring gFichier;
LARGE_INTEGER gMarques[4];
double gAvantEntree = 0;  // ms from the process's creation to the entry

double Ecart(const LARGE_INTEGER& de, const LARGE_INTEGER& a) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(a.QuadPart - de.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// The creation time is a system time: the entry's is read from the same clock, at its finest. The precise
// reading exists from Windows 8 on; Windows 7 gets the tick-grained one.
double DepuisCreation() {
  FILETIME creation, fin, noyau, utilisateur, maintenant;
  if (!GetProcessTimes(GetCurrentProcess(), &creation, &fin, &noyau, &utilisateur)) return 0;
  const auto precise = base::tardives::GetSystemTimePreciseAsFileTime();
  (precise ? precise : GetSystemTimeAsFileTime)(&maintenant);
  auto valeur = [](const FILETIME& t) { return ULARGE_INTEGER{{t.dwLowDateTime, t.dwHighDateTime}}.QuadPart; };
  return static_cast<double>(valeur(maintenant) - valeur(creation)) / 10000.0;  // 100 ns units
}

void Ecrire() {
  FILE* f = _wfopen(gFichier.c_str(), L"w");
  if (!f) return;
  std::fprintf(f, "phases %.1f %.1f %.1f %.1f\n", gAvantEntree, Ecart(gMarques[0], gMarques[1]),
               Ecart(gMarques[1], gMarques[2]), Ecart(gMarques[2], gMarques[3]));
  std::fclose(f);
}

}  // namespace

void Demarrer() {
  wchar_t fichier[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(L"QUORVANE_PHASES", fichier, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  QueryPerformanceCounter(&gMarques[0]);
  gAvantEntree = DepuisCreation();
  gFichier = fichier;
  gActives = true;
}

void Marquer(Phase phase) {
  if (!gActives || (phase == Phase::Visible && !gFinie)) return;
  QueryPerformanceCounter(&gMarques[static_cast<int>(phase)]);
  if (phase == Phase::FinInspection) gFinie = true;
  if (phase == Phase::Visible) {
    gActives = false;  // once
    Ecrire();
  }
}

bool VisibleAttendu() { return gActives && gFinie; }

}  // namespace appli::phases
