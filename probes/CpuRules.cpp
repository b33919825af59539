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

uint32_t VitesseMHz(uint64_t ecartTicks, uint64_t ecartCompteur, uint64_t frequence) {
  if (frequence == 0 || ecartCompteur == 0) return VitesseMHz(ecartTicks);
  // ticks / (ecartCompteur / frequence seconds) / 10^6, in 128 bits so that no product overflows.
  __extension__ using U128 = unsigned __int128;
  const U128 mhz = U128{static_cast<uint32_t>(ecartTicks)} * frequence / (U128{ecartCompteur} * 1'000'000u);
  constexpr uint32_t kMax = 0x7FFFFFFF;
  return mhz > kMax ? kMax : static_cast<uint32_t>(mhz);
}

}  // namespace sondes
