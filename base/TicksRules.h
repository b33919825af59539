#pragma once
// A 64-bit millisecond count made of GetTickCount's 32 bits, which wrap every 49.7 days: what Windows 2000
// and XP lack of GetTickCount64.
#include <cstdint>

namespace base {

// `etat` holds the wraps seen (high half) and the last 32-bit reading (low half), 0 at first. A reading below
// the last one is a wrap; the count then goes on from 2^32 further. Correct while it is read at least once
// per wrap, as a waiting runtime does.
uint64_t TicksSur64Bits(uint64_t& etat, uint32_t lecture);

}  // namespace base
