#include "base/DllSysteme.h"

#include "base/Tardives.h"

#include <string>

namespace base {

FARPROC AdresseSysteme(const wchar_t* dll, const char* fonction) {
  // A full path, so that no other folder of the search order can supply the DLL. LoadLibraryEx's
  // LOAD_LIBRARY_SEARCH_SYSTEM32 would do it too, but Windows 7 knows it only with KB2533623.
  wchar_t dossier[MAX_PATH];
  const UINT n = GetSystemDirectoryW(dossier, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  const std::wstring chemin = std::wstring(dossier, n) + L"\\" + dll;
  // Never freed: the callers keep the address for the rest of the run. The DLL's own dependencies are
  // then searched from its folder rather than the program's, where a download folder may plant them.
  HMODULE module = LoadLibraryExW(chemin.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  return module ? GetProcAddress(module, fonction) : nullptr;
}

void DllDuSystemeSeulement() {
  if (const auto f = tardives::SetDefaultDllDirectories()) f(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace base
