#include "probes/Sondes.h"  // <windows.h> first: <mmsystem.h> needs its types

#include <mmsystem.h>

#include <algorithm>
#include <limits>

#include "probes/CpuRules.h"

namespace sondes {
namespace {

// Real-time class and time-critical thread from construction to destruction, so that nothing else runs
// between the two counter readings. The saved values are written back even where the raise was refused.
class PrioriteMaximale {
 public:
  explicit PrioriteMaximale(Plateforme& p)
      : p_(p), processus_(p.GetCurrentProcess()), thread_(p.GetCurrentThread()),
        classe_(p.GetPriorityClass(processus_)), priorite_(p.GetThreadPriority(thread_)) {
    p_.SetPriorityClass(processus_, REALTIME_PRIORITY_CLASS);
    p_.SetThreadPriority(thread_, THREAD_PRIORITY_TIME_CRITICAL);
  }
  ~PrioriteMaximale() {
    p_.SetThreadPriority(thread_, priorite_);
    p_.SetPriorityClass(processus_, classe_);
  }
  PrioriteMaximale(const PrioriteMaximale&) = delete;
  PrioriteMaximale& operator=(const PrioriteMaximale&) = delete;

 private:
  Plateforme& p_;
  HANDLE processus_;
  HANDLE thread_;
  DWORD classe_;
  int priorite_;
};

// A 1 ms system timer for the measurement: with the default 15.6 ms tick, Sleep(500) ends up to a tick
// late and the speed reads up to 3 % high, since the divisor assumes exactly 500 ms.
class MinuterieFine {
 public:
  explicit MinuterieFine(Plateforme& p) : p_(p), obtenue_(p.timeBeginPeriod(1) == TIMERR_NOERROR) {}
  ~MinuterieFine() {
    if (obtenue_) p_.timeEndPeriod(1);  // only a granted period is given back
  }
  MinuterieFine(const MinuterieFine&) = delete;
  MinuterieFine& operator=(const MinuterieFine&) = delete;

 private:
  Plateforme& p_;
  bool obtenue_;
};

uint64_t TicksPendantLaPause(Plateforme& p) {
  PrioriteMaximale priorite(p);
  MinuterieFine minuterie(p);
  p.Sleep(10);  // starts the measurement on a fresh time slice, at the new priority
  const uint64_t debut = p.Rdtsc();
  p.Sleep(kPauseMesureMs);
  return p.Rdtsc() - debut;  // modulo 2^64, as the counter wraps
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
  OctetsMarque marque{};
  for (int i = 0; i < 3; ++i) {
    uint32_t registres[4] = {};
    plateforme.Cpuid(0x80000002u + static_cast<uint32_t>(i), registres);
    RangerFeuilleMarque(marque, i, registres);
  }
  const uint32_t vitesse = VitesseMHz(TicksPendantLaPause(plateforme));
  r.NomCPU = NomProcesseur(marque, sysInfo.ProcessorInfo().GetString(0));
  r.Vitesse = static_cast<int32_t>(vitesse);  // at most 8589
  return 0;
}

}  // namespace sondes
