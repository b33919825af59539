#include "base/TexteRules.h"

namespace base {
namespace {

struct Pages {
  uint32_t premiere, derniere;
};

// Code pages on which WideCharToMultiByte takes no flag but 0 (or WC_ERR_INVALID_CHARS for UTF-8 and
// GB18030), as its documentation lists them.
constexpr Pages kSansOptions[] = {
    {42, 42},        // Symbol
    {50220, 50222},  // ISO-2022 Japanese
    {50225, 50225},  // ISO-2022 Korean
    {50227, 50227},  // ISO-2022 Simplified Chinese
    {50229, 50229},  // ISO-2022 Traditional Chinese
    {54936, 54936},  // GB18030
    {57002, 57011},  // ISCII
    {65000, 65001},  // UTF-7, UTF-8
};

}  // namespace

uint32_t OptionsVersOctets(uint32_t page) {
  for (const Pages& p : kSansOptions)
    if (page >= p.premiere && page <= p.derniere) return 0;
  return kSansApprochant;
}

}  // namespace base
