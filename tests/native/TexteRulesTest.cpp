#include <gtest/gtest.h>

#include "base/TexteRules.h"

namespace {

TEST(OptionsVersOctets, SelonLaPageDeCode) {
  struct Cas {
    uint32_t page;
    uint32_t options;
  };
  const Cas cas[] = {
      {1252, 0x400},  {1251, 0x400},  {932, 0x400},   {936, 0x400},   {437, 0x400},   {20127, 0x400},
      {65001, 0},     {65000, 0},     {65002, 0x400},  // UTF-8 and UTF-7 only
      {54936, 0},     {42, 0},        {41, 0x400},    {43, 0x400},    {50220, 0},     {50221, 0},
      {50222, 0},     {50223, 0x400}, {50225, 0},     {50227, 0},     {50229, 0},     {50219, 0x400},
      {50224, 0x400}, {50226, 0x400}, {50228, 0x400}, {50230, 0x400}, {57001, 0x400}, {57002, 0},
      {57011, 0},     {57012, 0x400}, {54935, 0x400}, {64999, 0x400},
  };
  for (const Cas& c : cas) EXPECT_EQ(base::OptionsVersOctets(c.page), c.options) << c.page;
}

// Each row both ways, but where the bytes are no UTF-8: those come back as U+FFFD.
TEST(Utf8, DuTexteLargeEtVersLui) {
  struct Cas {
    std::wstring large;
    std::string utf8;
    bool allerRetour = true;
  };
  const Cas cas[] = {
      {L"MÉMOIRE", "MÉMOIRE"},
      {L"€ 😀", "€ 😀"},  // a surrogate pair where wchar_t is 16 bits
      {std::wstring{wchar_t(0xD800), L'a'},
       "\xEF\xBF\xBD"
       "a",
       false},  // a lone surrogate
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(base::Utf8(c.large), c.utf8);
    if (c.allerRetour) {
      EXPECT_EQ(base::Large(c.utf8), c.large);
    }
  }
  // A stray continuation byte, an overlong '/', an encoded surrogate, a cut sequence.
  EXPECT_EQ(base::Large("a\x80"
                        "b\xC0\xAF"
                        "c\xED\xA0\x80"
                        "d\xE2\x82"),
            L"a\xFFFD"
            L"b\xFFFD\xFFFD"
            L"c\xFFFD\xFFFD\xFFFD"
            L"d\xFFFD\xFFFD");
}

}  // namespace
