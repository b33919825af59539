#include <gtest/gtest.h>

#include <string>

#include "base/LigneDeCommandeRules.h"

namespace {

TEST(ApresLeProgramme, CommeLeParseurDuSysteme) {
  struct Cas {
    const wchar_t* ligne;
    const wchar_t* arguments;
  };
  const Cas cas[] = {
      {L"Quorvane.exe /rapport f.txt", L" /rapport f.txt"},
      {L"\"C:\\Jeux vidéo\\Quorvane.com\" /rapport \"a b.txt\"", L" /rapport \"a b.txt\""},
      {L"\"C:\\Jeux\\Quorvane\"/rapport f.txt", L"/rapport f.txt"},  // a quoted name ends at its quote
      {L"Quorvane\t/?", L"\t/?"},
      {L"Quorvane", L""},
      {L"\"C:\\sans fin /rapport", L""},  // an unclosed quote takes the whole line
      {L"", L""},
  };
  for (const Cas& c : cas) EXPECT_EQ(std::wstring(base::ApresLeProgramme(c.ligne)), c.arguments) << c.ligne;
}

TEST(SeulSurSaConsole, SelonLesProcessusDeSaConsole) {
  struct Cas {
    const char* quoi;
    uint32_t processus;
    bool seul;
  };
  const Cas cas[] = {
      {"opened from Explorer: a console of its own", 1, true},
      {"from a prompt", 2, false},
      {"from a prompt, through a script's own prompt", 3, false},
      {"no console: the call fails", 0, false},
  };
  for (const Cas& c : cas) EXPECT_EQ(base::SeulSurSaConsole(c.processus), c.seul) << c.quoi;
}

}  // namespace
