#pragma once
// The memory probe's arithmetic over 64-bit byte counts. Counts of 2 GB and more are the common case
// today, so nothing here goes through 32 bits; results beyond the 32-bit signed range are pinned to its top.
#include <cstdint>

namespace sondes {

// Whole KB, truncated: what GetInfoLongInt gives for a memory row.
int32_t EnKo(uint64_t octets);

// Whole MB plus one, floor(octets / 1,048,576) + 1: an exact number of MB shows one more. The verdicts
// are tuned to this: exactly 256 MB of RAM reads 257 and is judged above the 256 MB threshold.
int32_t EnMo(uint64_t octets);

}  // namespace sondes
