#include <gtest/gtest.h>

#include "probes/MemoryRules.h"

namespace {

constexpr int32_t kMax = 2'147'483'647;

TEST(Memoire, OctetsEnKoEtEnMo) {
  struct Cas {
    uint64_t octets;
    int32_t ko;
    int32_t mo;
  };
  const Cas cas[] = {
      {0, 0, 1},
      {1'023, 0, 1},
      {1'024, 1, 1},
      {1'048'575, 1'023, 1},
      {1'048'576, 1'024, 2},  // an exact MB shows one more
      {267'894'784, 261'616, 256},
      {268'435'455, 262'143, 256},
      {268'435'456, 262'144, 257},
      {2'147'352'576, 2'097'024, 2048},
      {2'147'483'647, 2'097'151, 2048},
      {2'147'483'648, 2'097'152, 2049},  // no longer read as a negative 32-bit number
      {3'221'225'472, 3'145'728, 3073},
      {3'801'341'952, 3'712'248, 3626},
      {4'294'967'295, 4'194'303, 4096},
      {4'294'967'296, 4'194'304, 4097},  // no longer wraps at 4 GB
      {17'179'869'184, 16'777'216, 16385},
      {25'276'182'528, 24'683'772, 24106},  // MemTotal of 24,683,772 kB
      {25'769'803'776, 25'165'824, 24577},
      {2'199'023'254'527, 2'147'483'646, 2'097'152},
      {2'199'023'255'552, kMax, 2'097'153},      // 2 TB: KB at their top, MB still exact
      {140'737'488'224'256, kMax, 134'217'728},  // a 64-bit process's virtual memory
      {2'251'799'810'539'520, kMax, kMax - 1},
      {2'251'799'811'588'096, kMax, kMax},  // floor + 1 is the top itself
      {2'251'799'812'636'672, kMax, kMax},  // one MB more: pinned
      {0xFFFF'FFFF'FFFF'FFFF, kMax, kMax},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(sondes::EnKo(c.octets), c.ko) << c.octets;
    EXPECT_EQ(sondes::EnMo(c.octets), c.mo) << c.octets;
    // Below the KB top, MB are the KB divided again, plus one, as the two stages always read.
    if (c.ko < kMax) {
      EXPECT_EQ(c.ko / 1024 + 1, c.mo) << c.octets;
    }
  }
}

}  // namespace
