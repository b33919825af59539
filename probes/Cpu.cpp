#include "probes/Sondes.h"  // <windows.h> first: <mmsystem.h> needs its types

#include <mmsystem.h>

#include <algorithm>
#include <limits>

#include "base/Texte.h"
#include "probes/CpuRules.h"
#include "probes/ExamenRules.h"

namespace sondes {
namespace {

// The counters around the measuring pause, taken in the real-time class at time-critical priority so that
// nothing else runs between the readings. A refused raise is ignored: the measurement goes on at the
// priority in force, and the saved values are written back all the same.
void MesurerLaPause(Plateforme& p, Releve& releve) {
  HANDLE processus = p.GetCurrentProcess();
  HANDLE thread = p.GetCurrentThread();
  const DWORD classe = p.GetPriorityClass(processus);
  const int priorite = p.GetThreadPriority(thread);
  p.SetPriorityClass(processus, REALTIME_PRIORITY_CLASS);
  p.SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
  // A 1 ms system timer keeps Sleep(500) close to 500 ms. Only a granted period is given back. Windows 11
  // ignores a process's timer resolution while none of its windows is visible, as during this run, unless
  // the process opts out; older systems refuse or lack the call, and need nothing.
  PROCESS_POWER_THROTTLING_STATE minuterie{};
  minuterie.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
  minuterie.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
  minuterie.StateMask = 0;
  p.SetProcessInformation(processus, ProcessPowerThrottling, &minuterie, sizeof minuterie);
  const bool minuterieFine = p.timeBeginPeriod(1) == TIMERR_NOERROR;
  // The pause can still last longer than asked (a busy host, a scheduler, no real-time privilege): the
  // performance counter, read next to each counter reading, says how long it really lasted.
  LARGE_INTEGER frequence{};
  const bool compteurPerf = p.QueryPerformanceFrequency(frequence) && frequence.QuadPart > 0;

  if (compteurPerf) releve.qpcFrequence = static_cast<uint64_t>(frequence.QuadPart);
  // A counter that went backwards (a resume, a migrated virtual machine) or a performance counter that did
  // not move gives no speed: the pause is measured again, twice at most, and the last try is kept.
  constexpr int kEssais = 3;
  for (int essai = 0; essai < kEssais; ++essai) {
    p.Sleep(10);  // starts the measurement on a fresh time slice, at the new priority
    LARGE_INTEGER avant{}, apres{};
    const uint64_t debut = p.Rdtsc();
    if (compteurPerf) p.QueryPerformanceCounter(avant);
    p.Sleep(kPauseMesureMs);
    if (compteurPerf) p.QueryPerformanceCounter(apres);
    const uint64_t fin = p.Rdtsc();
    releve.rdtsc = std::array<uint64_t, 2>{debut, fin};
    if (compteurPerf) releve.qpc = std::array<int64_t, 2>{avant.QuadPart, apres.QuadPart};
    if (JugerPause(*releve.rdtsc, releve.qpc) == PauseRatee::Non) break;
  }

  if (minuterieFine) p.timeEndPeriod(1);
  p.SetThreadPriority(thread, priorite);
  p.SetPriorityClass(processus, classe);
}

void LireSelonOS(Plateforme& p, Releve& releve) {
  char nom[64] = {};
  uint32_t megahertz = 0;
  if (p.ProcesseurSelonOS(nom, megahertz))
    releve.processeurSelonOS = std::pair{base::Utf8DepuisAnsi(TexteJusquAuZero(nom, sizeof nom)), megahertz};
}

void LireFeuille(Plateforme& p, Releve& releve, uint32_t feuille) {
  FeuilleCpuid f{feuille, {}};
  p.Cpuid(feuille, f.registres.data());
  releve.cpuid.push_back(f);
}

}  // namespace

int LireCPU(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme, Releve& releve) {
  // Leaf 0 was read with the system-information component, when the window was created.
  if (const auto zero = sysInfo.ProcessorInfo().FeuilleZero()) releve.cpuid.insert(releve.cpuid.begin(), {0, *zero});
  releve.cpuidPresent = plateforme.CpuidPresent();
  if (!releve.cpuidPresent) {
    // Not an x86 processor, or one too old for CPUID and RDTSC, which would fault: the OS records the
    // name and the speed in the registry at boot.
    LireSelonOS(plateforme, releve);
  } else {
    LireFeuille(plateforme, releve, 0x80000000u);  // EAX: the highest extended leaf
    // Leaves past the highest one are read all the same (CPUID answers any leaf); the name rule ignores them.
    for (uint32_t i = 0; i < 3; ++i) LireFeuille(plateforme, releve, 0x80000002u + i);
    MesurerLaPause(plateforme, releve);
  }
  // The machine under the process: under x64 emulation on ARM64, CPUID and the counter are the emulator's.
  USHORT machineProcessus = 0, machineNative = 0;
  if (plateforme.IsWow64Process2(plateforme.GetCurrentProcess(), &machineProcessus, &machineNative)) {
    releve.machines = std::array<uint16_t, 2>{machineProcessus, machineNative};
    if (releve.cpuidPresent && machineNative == kMachineArm64) LireSelonOS(plateforme, releve);
  }
  DecoderCPU(releve, r, base::AnsiDepuisUtf8);
  return 0;
}

}  // namespace sondes
