#pragma once
// The processor probe's rules over plain values: how CPUID registers become text, how the brand text or
// the vendor names the processor, and how a tick count over the measuring pause becomes a speed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "probes/Resultats.h"

namespace sondes {

// The measuring pause; times 1000 it is also the divisor of the tick count (microseconds in the pause).
inline constexpr uint32_t kPauseMesureMs = 500;

using OctetsMarque = std::array<uint8_t, 64>;  // three CPUID leaves fill bytes 0-47; 48-63 stay zero
using OctetsFournisseur = std::array<char, 12>;

// Stores EAX, EBX, ECX, EDX of one brand leaf (numbered 0, 1, 2) in its 16 bytes, each little-endian.
void RangerFeuilleMarque(OctetsMarque& marque, int feuille, const uint32_t registres[4]);

// The vendor bytes of CPUID leaf 0: EBX, then EDX, then ECX, each little-endian.
OctetsFournisseur OctetsDuFournisseur(uint32_t ebx, uint32_t edx, uint32_t ecx);

// Bytes up to, not including, the first zero byte, at most `taille` of them.
std::string TexteJusquAuZero(const char* octets, size_t taille);

// The processor's name: the vendor text when the brand leaves do not exist (`feuilleMax`, EAX of leaf
// 0x80000000, below 0x80000004) or the brand starts with 0x7F, else the brand text as it is (blanks kept,
// any non-zero byte taken).
std::string NomProcesseur(uint32_t feuilleMax, const OctetsMarque& marque, const std::string& fournisseur);

// MHz from the tick difference over the pause: only its low 32 bits count, divided unsigned and truncated.
uint32_t VitesseMHz(uint64_t ecartTicks);
// The same over the pause as the performance counter measured it (`ecartCompteur` counts at `frequence`
// per second): a pause that lasted longer than asked does not read as a faster processor, and every bit
// of the tick difference counts, since the divisor grows with the pause. Without a counter (a frequency
// or a difference of 0), the pause is taken to have lasted as asked. At most the 32-bit signed maximum.
uint32_t VitesseMHz(uint64_t ecartTicks, uint64_t ecartCompteur, uint64_t frequence);

// Whether the pause can time the processor: not when the time-stamp counter's second reading is below its
// first, nor when the performance counter (when there is one) went backwards or did not move.
PauseRatee JugerPause(const std::array<uint64_t, 2>& ticks, const std::optional<std::array<int64_t, 2>>& compteur);

// floor(a * b / diviseur), exact for any 64-bit operands; UINT64_MAX when the quotient does not fit in 64
// bits or the divisor is 0.
uint64_t ProduitDivise(uint64_t a, uint64_t b, uint64_t diviseur);

// IMAGE_FILE_MACHINE_ARM64: the machine under the x64 emulation of Windows on ARM.
inline constexpr uint16_t kMachineArm64 = 0xAA64;

}  // namespace sondes
