#include "probes/PlateformeWindows.h"

#include <mmsystem.h>

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define QUORVANE_X86 1
#endif

namespace sondes {

#ifdef QUORVANE_X86
bool PlateformeWindows::CpuidPresent() {
  // Bit 21 (ID) of the flags can be changed exactly when CPUID exists. Flip it, read the flags back,
  // then put the original flags back.
  uintptr_t avant, apres;
  asm volatile(
      "pushf\n\t"
      "pop %0\n\t"
      "mov %0, %1\n\t"
      "xor $0x200000, %1\n\t"
      "push %1\n\t"
      "popf\n\t"
      "pushf\n\t"
      "pop %1\n\t"
      "push %0\n\t"
      "popf"
      : "=&r"(avant), "=&r"(apres)
      :
      : "cc", "memory");
  return ((avant ^ apres) & 0x200000) != 0;
}

void PlateformeWindows::Cpuid(uint32_t feuille, uint32_t r[4]) { __cpuid(feuille, r[0], r[1], r[2], r[3]); }
uint64_t PlateformeWindows::Rdtsc() { return __rdtsc(); }
#else
// Other processors: no CPUID nor time-stamp counter; the processor probe asks the OS instead.
bool PlateformeWindows::CpuidPresent() { return false; }
void PlateformeWindows::Cpuid(uint32_t, uint32_t r[4]) { r[0] = r[1] = r[2] = r[3] = 0; }
uint64_t PlateformeWindows::Rdtsc() { return 0; }
#endif

UINT PlateformeWindows::timeBeginPeriod(UINT periode) { return ::timeBeginPeriod(periode); }
UINT PlateformeWindows::timeEndPeriod(UINT periode) { return ::timeEndPeriod(periode); }

bool PlateformeWindows::ProcesseurSelonOS(char nom[64], uint32_t& megahertz) {
  HKEY cle;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0, KEY_READ, &cle) !=
      ERROR_SUCCESS)
    return false;
  DWORD taille = 63;
  std::memset(nom, 0, 64);
  const bool nomLu = RegQueryValueExA(cle, "ProcessorNameString", nullptr, nullptr, reinterpret_cast<BYTE*>(nom),
                                      &taille) == ERROR_SUCCESS;
  DWORD mhz = 0;
  taille = sizeof mhz;
  const bool vitesseLue =
      RegQueryValueExA(cle, "~MHz", nullptr, nullptr, reinterpret_cast<BYTE*>(&mhz), &taille) == ERROR_SUCCESS;
  RegCloseKey(cle);
  nom[63] = '\0';
  megahertz = mhz;
  return nomLu || vitesseLue;
}

HRESULT PlateformeWindows::CreerFournisseurDxDiag(IDxDiagProvider** fournisseur) {
  return ::CoCreateInstance(kClsidDxDiagProvider, nullptr, CLSCTX_INPROC_SERVER, kIidDxDiagProvider,
                            reinterpret_cast<void**>(fournisseur));
}

int PlateformeWindows::MessageBoxA(const char* texte, const char* legende, UINT options) {
  return ::MessageBoxA(proprietaire_, texte, legende, options);
}

bool PlateformeWindows::MultiEcran() {
  return GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetMonitorInfoA") != nullptr;
}

DWORD PlateformeWindows::GetFileVersionInfoSizeA(const char* chemin) {
  return ::GetFileVersionInfoSizeA(chemin, nullptr);
}

BOOL PlateformeWindows::GetFileVersionInfoA(const char* chemin, DWORD taille, void* donnees) {
  return ::GetFileVersionInfoA(chemin, 0, taille, donnees);
}

BOOL PlateformeWindows::VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* longueur) {
  return ::VerQueryValueA(bloc, sousBloc, valeur, longueur);
}

}  // namespace sondes
