// Stands in for the default web browser in the end-to-end tests: appends the command line it was started
// with to the file named by QUORVANE_NAVIGATEUR, then ends.
#include <cstdio>
#include <cstdlib>

#include "ui/Win.h"

int wmain() {
  const wchar_t* journal = _wgetenv(L"QUORVANE_NAVIGATEUR");
  if (!journal) return 1;
  FILE* f = _wfopen(journal, L"a, ccs=UTF-8");
  if (!f) return 1;
  std::fwprintf(f, L"%ls\n", GetCommandLineW());
  std::fclose(f);
  return 0;
}
