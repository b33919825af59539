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

}  // namespace
