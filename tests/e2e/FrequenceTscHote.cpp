// Linux program, built with the host compiler: the reference frequency of the time-stamp counter, to
// judge the speed the program measures under Wine.
//   frequence-tsc [file|- [seconds]]  prints the MHz (three decimals) and writes them to the file if given.
//
// The counter is timed against CLOCK_MONOTONIC_RAW over a long interval (1 s by default): the kernel's
// own clock, free of NTP slewing, whatever the processor's vendor. CPUID leaves 0x15/0x16 are Intel-only
// and often zero in virtual machines, and the kernel's calibrated tsc_khz is not exported; timing the
// counter works everywhere. Each end of the interval is one clock read framed by two counter reads, the
// tightest frame of several tries, so the error is a few parts per million.
#include <cpuid.h>
#include <sched.h>
#include <x86intrin.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

struct Point {
  double tsc;  // counter at the clock read: the middle of its frame
  double ns;
};

Point Lire() {
  Point meilleur{};
  uint64_t cadreMin = UINT64_MAX;
  for (int essai = 0; essai < 50; ++essai) {
    timespec t;
    const uint64_t avant = __rdtsc();
    clock_gettime(CLOCK_MONOTONIC_RAW, &t);
    const uint64_t apres = __rdtsc();
    if (apres - avant < cadreMin) {
      cadreMin = apres - avant;
      meilleur = {(static_cast<double>(avant) + static_cast<double>(apres)) / 2,
                  static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec)};
    }
  }
  return meilleur;
}

bool CompteurInvariant() {
  unsigned a, b, c, d;
  return __get_cpuid(0x80000007, &a, &b, &c, &d) && (d & (1u << 8));
}

}  // namespace

int main(int argc, char** argv) {
  const double secondes = argc > 2 ? std::atof(argv[2]) : 1.0;
  // One processor for both ends, in case the counters of two processors are not in step.
  cpu_set_t un;
  CPU_ZERO(&un);
  CPU_SET(sched_getcpu(), &un);
  sched_setaffinity(0, sizeof un, &un);
  if (!CompteurInvariant())
    std::fprintf(stderr, "frequence-tsc: the counter is not invariant; its rate follows the clock speed\n");

  const Point debut = Lire();
  const auto ns = static_cast<long long>(secondes * 1e9);
  timespec pause{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
  while (nanosleep(&pause, &pause) != 0) {}
  const Point fin = Lire();
  const double mhz = (fin.tsc - debut.tsc) / (fin.ns - debut.ns) * 1e3;

  std::printf("%.3f\n", mhz);
  if (argc > 1 && std::string_view(argv[1]) != "-") {
    FILE* f = std::fopen(argv[1], "w");
    if (!f || std::fprintf(f, "%.3f\n", mhz) < 0 || std::fclose(f) != 0) {
      std::perror(argv[1]);
      return 1;
    }
  }
  return 0;
}
