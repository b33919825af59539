#pragma once
// The system-information component of the main window: numbered facts (GetInfoLongInt), the colour depth,
// and the CPU-information object, which reads the processor's vendor once, when it is created.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "probes/Plateforme.h"

namespace sondes {

class TCPUInfo {
 public:
  explicit TCPUInfo(Plateforme& plateforme);
  // 0: the vendor text (IDString); 1: the processor name (CPUName, not used here); anything else: empty.
  std::string GetString(int32_t index) const;
  std::string IDString() const;
  // EAX, EBX, ECX, EDX of leaf 0 as read at creation; nothing without CPUID.
  std::optional<std::array<uint32_t, 4>> FeuilleZero() const { return feuilleZero_; }

 private:
  std::optional<std::array<uint32_t, 4>> feuilleZero_;
  std::array<char, 12> fournisseur_{};  // EBX, EDX, ECX of CPUID leaf 0; zero without CPUID
};

class TSysInfo {
 public:
  explicit TSysInfo(Plateforme& plateforme) : plateforme_(plateforme), processeur_(plateforme) {}

  const TCPUInfo& ProcessorInfo() const { return processeur_; }
  // Numbered facts; an index outside 0..12 (taken unsigned) gives 0. Each call reads its source afresh.
  int32_t GetInfoLongInt(int32_t index);
  // The byte count behind memory rows 1-6 of GetInfoLongInt, unrounded (0 for other rows). The probe
  // needs it: a 64-bit process has terabytes of virtual memory, beyond what KB in 32 bits can hold.
  uint64_t GetInfoOctets(int32_t index);
  // The memory status behind those rows, as one query answers it.
  MEMORYSTATUSEX EtatMemoire(BOOL* lu = nullptr);
  // Colour planes times bits per pixel of the display, modulo 256.
  // The two capabilities behind it go to `plans` and `bitsParPixel` when given.
  uint8_t GetColorDepth(int32_t* plans = nullptr, int32_t* bitsParPixel = nullptr);

 private:
  Plateforme& plateforme_;
  TCPUInfo processeur_;
};

}  // namespace sondes
