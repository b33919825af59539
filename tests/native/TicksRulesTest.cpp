#include <gtest/gtest.h>

#include <vector>

#include "base/TicksRules.h"

namespace {

// GetTickCount's readings in turn, and the 64-bit counts they must give.
TEST(TicksSur64Bits, ChaqueTourDe32BitsCompte) {
  struct Cas {
    const char* quoi;
    std::vector<uint32_t> lectures;
    std::vector<uint64_t> ticks;
  };
  const Cas cas[] = {
      {"no wrap", {5, 5, 1000}, {5, 5, 1000}},
      {"one wrap", {0xFFFF'FFF0u, 0x10}, {0xFFFF'FFF0u, 0x1'0000'0010u}},
      {"a wrap onto the same low bits", {7, 0xFFFF'FFFFu, 7}, {7, 0xFFFF'FFFFu, 0x1'0000'0007u}},
      {"two wraps", {0xFFFF'0000u, 0, 0xFFFF'0000u, 0}, {0xFFFF'0000u, 0x1'0000'0000u, 0x1'FFFF'0000u, 0x2'0000'0000u}},
  };
  for (const Cas& c : cas) {
    uint64_t etat = 0;
    std::vector<uint64_t> ticks;
    for (uint32_t lecture : c.lectures) ticks.push_back(base::TicksSur64Bits(etat, lecture));
    EXPECT_EQ(ticks, c.ticks) << c.quoi;
  }
}

}  // namespace
