// The toolchain's static thread library (winpthreads) imports GetTickCount64 (Vista) and the vectored
// exception handlers (XP), and the C++ runtime pulls it into every program: imported by name, they would
// stop the program from loading on Windows 2000 and XP. Its import slots are defined here instead, each
// pointing at a function of ours that finds the real one at run time, or falls back. Linked as an object
// into each program (a library's member would come too late: the slots are asked for by libraries linked
// after ours), so that the linker takes these slots before kernel32's.
//
// No C++ static initialisation here: the runtime may call these before main and from any thread.
#include <windows.h>

#include <atomic>

#include "base/TicksRules.h"

namespace {

template <class F>
F Noyau(const char* nom) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), nom)));
}

using GetTickCount64F = ULONGLONG(WINAPI*)();
using AddVehF = PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER);
using RemoveVehF = ULONG(WINAPI*)(PVOID);

// Where GetTickCount64 is missing, GetTickCount with its wraps counted; the state moves as one 64-bit value.
std::atomic<uint64_t> gTicks{0};

ULONGLONG WINAPI Ticks64() {
  if (const auto reel = Noyau<GetTickCount64F>("GetTickCount64")) return reel();
  uint64_t etat = gTicks.load();
  for (;;) {
    uint64_t suivant = etat;
    const uint64_t ticks = base::TicksSur64Bits(suivant, GetTickCount());
    if (gTicks.compare_exchange_weak(etat, suivant)) return ticks;
  }
}

// Windows 2000: no vectored handler is installed. winpthreads uses one only to name threads for a debugger.
PVOID WINAPI AjouterVeh(ULONG premier, PVECTORED_EXCEPTION_HANDLER gestionnaire) {
  const auto reel = Noyau<AddVehF>("AddVectoredExceptionHandler");
  return reel ? reel(premier, gestionnaire) : nullptr;
}

ULONG WINAPI RetirerVeh(PVOID gestionnaire) {
  const auto reel = Noyau<RemoveVehF>("RemoveVectoredExceptionHandler");
  return reel && gestionnaire ? reel(gestionnaire) : 0;
}

}  // namespace

// The slots by the names the import library gives them on i686 (stdcall, decorated with the arguments' size).
extern "C" {
GetTickCount64F quorvaneTicks64 __asm__("__imp__GetTickCount64@0") = Ticks64;
AddVehF quorvaneAjouterVeh __asm__("__imp__AddVectoredExceptionHandler@8") = AjouterVeh;
RemoveVehF quorvaneRetirerVeh __asm__("__imp__RemoveVectoredExceptionHandler@4") = RetirerVeh;
}
