#include "ui/Win.h"

namespace ui {

HDC MeasureDc() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // a long path was cut: room for it
  }
  return path.substr(0, path.find_last_of(L'\\'));
}

}  // namespace ui
