#pragma once
// System DLLs that only a command or a rare path needs are loaded on first use, not at start: each one
// costs the start its mapping and its initialisation.
#include <windows.h>

namespace base {

// The address of `fonction` in the system DLL `dll` (a bare file name), or nullptr when either is missing.
// The DLL is loaded from the system directory by its full path, its own dependencies searched from there
// first, and stays loaded to the end of the process.
FARPROC AdresseSysteme(const wchar_t* dll, const char* fonction);

// At the entry: the process's later loads by bare name search the system directory alone, where the
// system knows SetDefaultDllDirectories (Windows 8, or 7 with KB2533623); elsewhere nothing changes.
void DllDuSystemeSeulement();

// The same, typed after the declaration it stands for: FonctionSysteme<decltype(&::GetSaveFileNameW)>(...).
template <class F>
F FonctionSysteme(const wchar_t* dll, const char* fonction) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(AdresseSysteme(dll, fonction)));
}

}  // namespace base
