#include "probes/Sondes.h"  // <windows.h> first: <mmsystem.h> needs its types

#include <mmsystem.h>

#include <algorithm>
#include <limits>

#include "probes/CpuRules.h"

namespace sondes {
namespace {

// Ticks of the counter over the measuring pause, taken in the real-time class at time-critical priority
// so that nothing else runs between the two readings. A refused raise is ignored: the measurement goes
// on at the priority in force, and the saved values are written back all the same.
uint64_t TicksPendantLaPause(Plateforme& p) {
  HANDLE processus = p.GetCurrentProcess();
  HANDLE thread = p.GetCurrentThread();
  const DWORD classe = p.GetPriorityClass(processus);
  const int priorite = p.GetThreadPriority(thread);
  p.SetPriorityClass(processus, REALTIME_PRIORITY_CLASS);
  p.SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
  // A 1 ms system timer: with the default 15.6 ms tick, Sleep(500) ends up to a tick late and the speed
  // reads up to 3 % high, since the divisor assumes exactly 500 ms. Only a granted period is given back.
  // Windows 11 ignores a process's timer resolution while none of its windows is visible, as during this
  // run, unless the process opts out; older systems refuse or lack the call, and need nothing.
  PROCESS_POWER_THROTTLING_STATE minuterie{};
  minuterie.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
  minuterie.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
  minuterie.StateMask = 0;
  p.SetProcessInformation(processus, ProcessPowerThrottling, &minuterie, sizeof minuterie);
  const bool minuterieFine = p.timeBeginPeriod(1) == TIMERR_NOERROR;

  p.Sleep(10);  // starts the measurement on a fresh time slice, at the new priority
  const uint64_t debut = p.Rdtsc();
  p.Sleep(kPauseMesureMs);
  const uint64_t ecart = p.Rdtsc() - debut;  // modulo 2^64, as the counter wraps

  if (minuterieFine) p.timeEndPeriod(1);
  p.SetThreadPriority(thread, priorite);
  p.SetPriorityClass(processus, classe);
  return ecart;
}

}  // namespace

int LireCPU(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme) {
  if (!plateforme.CpuidPresent()) {
    // Not an x86 processor (an ARM64 build: PlateformeWindows answers false there), or one too old for
    // CPUID and RDTSC, which would fault. The name and the speed are then those the OS records in the
    // registry at boot (ProcessorNameString and ~MHz of CentralProcessor\0).
    char nom[64] = {};
    uint32_t megahertz = 0;
    plateforme.ProcesseurSelonOS(nom, megahertz);
    r.NomCPU = TexteJusquAuZero(nom, sizeof nom);
    r.Vitesse = static_cast<int32_t>(std::min<uint32_t>(megahertz, std::numeric_limits<int32_t>::max()));
    return 0;
  }
  uint32_t etendues[4] = {};
  plateforme.Cpuid(0x80000000u, etendues);  // EAX: the highest extended leaf
  // Leaves past the highest one are read all the same (CPUID answers any leaf); the name rule ignores them.
  OctetsMarque marque{};
  for (int i = 0; i < 3; ++i) {
    uint32_t registres[4] = {};
    plateforme.Cpuid(0x80000002u + static_cast<uint32_t>(i), registres);
    RangerFeuilleMarque(marque, i, registres);
  }
  const uint32_t vitesse = VitesseMHz(TicksPendantLaPause(plateforme));
  r.NomCPU = NomProcesseur(etendues[0], marque, sysInfo.ProcessorInfo().GetString(0));
  r.Vitesse = static_cast<int32_t>(vitesse);  // at most 8589
  return 0;
}

}  // namespace sondes
