#include "probes/PlateformeWindows.h"

#include <mmsystem.h>

#include <cstring>

#include "base/Tardives.h"

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

BOOL PlateformeWindows::SetProcessInformation(HANDLE processus, PROCESS_INFORMATION_CLASS classe, void* information,
                                              DWORD taille) {
  const auto f = base::tardives::SetProcessInformation();
  if (!f) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
  }
  return f(processus, classe, information, taille);
}

BOOL PlateformeWindows::IsWow64Process2(HANDLE processus, USHORT* machineProcessus, USHORT* machineNative) {
  const auto f = base::tardives::IsWow64Process2();
  if (!f) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
  }
  return f(processus, machineProcessus, machineNative);
}

LONG PlateformeWindows::RtlGetVersion(OSVERSIONINFOEXW& version) {
  const auto f = base::tardives::RtlGetVersion();
  return f ? f(&version) : static_cast<LONG>(0xC000007A);  // STATUS_PROCEDURE_NOT_FOUND
}

BOOL PlateformeWindows::GetProductInfo(DWORD majeure, DWORD mineure, DWORD spMajeur, DWORD spMineur, DWORD* produit) {
  const auto f = base::tardives::GetProductInfo();
  if (!f) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return FALSE;
  }
  return f(majeure, mineure, spMajeur, spMineur, produit);
}

const char* PlateformeWindows::wine_get_version() {
  const auto f = base::tardives::wine_get_version();
  return f ? f() : nullptr;
}

bool PlateformeWindows::wine_get_host_version(const char** systeme, const char** version) {
  const auto f = base::tardives::wine_get_host_version();
  if (!f) return false;
  f(systeme, version);
  return true;
}

// The multimedia timer's DLL loads at the clock measurement, where the diagnostic provider has usually
// loaded it already, rather than at start.
UINT PlateformeWindows::timeBeginPeriod(UINT periode) {
  const auto f = base::tardives::timeBeginPeriod();
  return f ? f(periode) : TIMERR_NOCANDO;
}

UINT PlateformeWindows::timeEndPeriod(UINT periode) {
  const auto f = base::tardives::timeEndPeriod();
  return f ? f(periode) : TIMERR_NOCANDO;
}

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

bool PlateformeWindows::MultiEcran() { return base::tardives::GetMonitorInfoA() != nullptr; }

// The version reader serves only the path without the diagnostic provider: it loads there.
DWORD PlateformeWindows::GetFileVersionInfoSizeA(const char* chemin) {
  const auto f = base::tardives::GetFileVersionInfoSizeA();
  return f ? f(chemin, nullptr) : 0;
}

BOOL PlateformeWindows::GetFileVersionInfoA(const char* chemin, DWORD taille, void* donnees) {
  const auto f = base::tardives::GetFileVersionInfoA();
  return f && f(chemin, 0, taille, donnees);
}

BOOL PlateformeWindows::VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* longueur) {
  const auto f = base::tardives::VerQueryValueA();
  return f && f(bloc, sousBloc, valeur, longueur);
}

}  // namespace sondes
