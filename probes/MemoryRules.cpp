#include "probes/MemoryRules.h"

#include <algorithm>
#include <limits>

namespace sondes {
namespace {

int32_t Saturer(uint64_t valeur) {
  constexpr uint64_t kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::min(valeur, kMax));
}

}  // namespace

int32_t EnKo(uint64_t octets) { return Saturer(octets / 1024); }

int32_t EnMo(uint64_t octets) { return Saturer(octets / 1'048'576 + 1); }

}  // namespace sondes
