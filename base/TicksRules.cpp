#include "base/TicksRules.h"

namespace base {

uint64_t TicksSur64Bits(uint64_t& etat, uint32_t lecture) {
  uint64_t tours = etat >> 32;
  if (lecture < static_cast<uint32_t>(etat)) ++tours;
  etat = (tours << 32) | lecture;
  return etat;
}

}  // namespace base
