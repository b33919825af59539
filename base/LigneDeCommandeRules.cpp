#include "base/LigneDeCommandeRules.h"

namespace base {

const wchar_t* ApresLeProgramme(const wchar_t* ligne) {
  if (*ligne == L'"') {
    ++ligne;
    while (*ligne && *ligne != L'"') ++ligne;
    return *ligne ? ligne + 1 : ligne;
  }
  while (*ligne && *ligne != L' ' && *ligne != L'\t') ++ligne;
  return ligne;
}

bool SeulSurSaConsole(uint32_t processusDeLaConsole) { return processusDeLaConsole == 1; }

}  // namespace base
