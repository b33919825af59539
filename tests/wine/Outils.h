#pragma once
// Helpers shared by the in-process tests.
#include <string>
#include <vector>

#include "ui/Win.h"

// Messages that reached the application's top-level handler during the test run.
extern std::vector<std::wstring> gErreurs;

// Dispatches the waiting messages of this thread.
inline void Pomper() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline std::wstring TexteFenetre(HWND h) {
  wchar_t texte[512] = {};
  GetWindowTextW(h, texte, 512);
  return texte;
}
