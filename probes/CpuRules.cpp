#include "probes/CpuRules.h"

#include <cstring>

namespace sondes {
namespace {

// Little-endian whatever the host, so that the rules read the same on every build.
void Ranger(uint32_t valeur, uint8_t* octets) {
  for (int i = 0; i < 4; ++i) octets[i] = static_cast<uint8_t>(valeur >> (8 * i));
}

}  // namespace

void RangerFeuilleMarque(OctetsMarque& marque, int feuille, const uint32_t registres[4]) {
  for (int i = 0; i < 4; ++i) Ranger(registres[i], &marque[static_cast<size_t>(16 * feuille + 4 * i)]);
}

OctetsFournisseur OctetsDuFournisseur(uint32_t ebx, uint32_t edx, uint32_t ecx) {
  uint8_t octets[12];
  Ranger(ebx, octets);
  Ranger(edx, octets + 4);
  Ranger(ecx, octets + 8);
  OctetsFournisseur texte;
  std::memcpy(texte.data(), octets, texte.size());
  return texte;
}

std::string TexteJusquAuZero(const char* octets, size_t taille) {
  size_t n = 0;
  while (n < taille && octets[n] != '\0') ++n;
  return std::string(octets, n);
}

std::string NomProcesseur(uint32_t feuilleMax, const OctetsMarque& marque, const std::string& fournisseur) {
  // Without extended leaves, leaf 0x80000000 answers with another leaf's EAX (a P6 gives leaf 2's, which
  // has no high bit) and the brand leaves hold that leaf's registers, not text.
  if (feuilleMax < 0x80000004u || marque[0] == 0x7F) return fournisseur;
  // Three leaves give 48 bytes; the rest of the buffer is never part of the name.
  return TexteJusquAuZero(reinterpret_cast<const char*>(marque.data()), 48);
}

uint32_t VitesseMHz(uint64_t ecartTicks) { return static_cast<uint32_t>(ecartTicks) / (kPauseMesureMs * 1000u); }

uint64_t ProduitDivise(uint64_t a, uint64_t b, uint64_t diviseur) {
  // a * b in 128 bits, as four 32-bit by 32-bit products (32-bit GCC has no 128-bit integer).
  const uint64_t a0 = a & 0xFFFF'FFFFu, a1 = a >> 32, b0 = b & 0xFFFF'FFFFu, b1 = b >> 32;
  const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const uint64_t milieu = (p00 >> 32) + (p01 & 0xFFFF'FFFFu) + (p10 & 0xFFFF'FFFFu);  // below 3 * 2^32
  const uint64_t bas = (milieu << 32) | (p00 & 0xFFFF'FFFFu);
  uint64_t reste = p11 + (p01 >> 32) + (p10 >> 32) + (milieu >> 32);
  if (reste >= diviseur) return UINT64_MAX;  // the quotient needs more than 64 bits (or the divisor is 0)
  // Long division, one bit of the low half at a time; the remainder stays below the divisor, so the
  // quotient fits. A remainder whose top bit shifts out is past the divisor: subtracting modulo 2^64 gives
  // the true remainder.
  uint64_t quotient = 0;
  for (int bit = 63; bit >= 0; --bit) {
    const bool deborde = (reste >> 63) != 0;
    reste = (reste << 1) | ((bas >> bit) & 1u);
    quotient <<= 1;
    if (deborde || reste >= diviseur) {
      reste -= diviseur;
      quotient |= 1u;
    }
  }
  return quotient;
}

PauseRatee JugerPause(const std::array<uint64_t, 2>& ticks, const std::optional<std::array<int64_t, 2>>& compteur) {
  // The counter does not wrap in a lifetime (2^64 ticks at 4 GHz is 146 years): a second reading below the
  // first is a counter that restarted.
  if (ticks[1] < ticks[0]) return PauseRatee::CyclesEnArriere;
  if (compteur && (*compteur)[1] < (*compteur)[0]) return PauseRatee::CompteurEnArriere;
  if (compteur && (*compteur)[1] == (*compteur)[0]) return PauseRatee::CompteurArrete;
  return PauseRatee::Non;
}

uint32_t VitesseMHz(uint64_t ecartTicks, uint64_t ecartCompteur, uint64_t frequence) {
  if (frequence == 0 || ecartCompteur == 0) return VitesseMHz(ecartTicks);
  // ticks / (ecartCompteur / frequence seconds) / 10^6, truncated: floor(floor(x / c) / 10^6) is
  // floor(x / (c * 10^6)), and no product overflows.
  const uint64_t mhz = ProduitDivise(ecartTicks, frequence, ecartCompteur) / 1'000'000u;
  constexpr uint32_t kMax = 0x7FFFFFFF;
  return mhz > kMax ? kMax : static_cast<uint32_t>(mhz);
}

}  // namespace sondes
