// System DLLs loaded on first use: from the system directory alone, whatever the current folder holds.
#include <gtest/gtest.h>

#include <string>

#include "base/DllSysteme.h"

namespace {

std::wstring DossierDuModule(FARPROC fonction) {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const wchar_t*>(fonction), &module);
  wchar_t chemin[MAX_PATH] = {};
  GetModuleFileNameW(module, chemin, MAX_PATH);
  const std::wstring s = chemin;
  return s.substr(0, s.find_last_of(L'\\'));
}

TEST(DllSysteme, SeulLeRepertoireSystemeFournitLesFonctions) {
  wchar_t systeme[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryW(systeme, MAX_PATH), 0u);
  // The test files' folder, made current: a DLL there must not be taken for a system one.
  wchar_t ancien[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, ancien);
  ASSERT_TRUE(SetCurrentDirectoryA(QUORVANE_VERSIONS));
  struct Cas {
    const wchar_t* dll;
    const char* fonction;
    bool trouvee;
  };
  const Cas cas[] = {
      {L"version.dll", "VerQueryValueA", true},
      {L"comdlg32.dll", "GetSaveFileNameW", true},
      {L"version.dll", "PasUneFonction", false},
      {L"v0_0_0_0.dll", "DllMain", false},  // only in the current folder
  };
  for (const Cas& c : cas) {
    const FARPROC f = base::AdresseSysteme(c.dll, c.fonction);
    EXPECT_EQ(f != nullptr, c.trouvee) << c.fonction;
    if (f) {
      EXPECT_EQ(_wcsicmp(DossierDuModule(f).c_str(), systeme), 0) << c.fonction;
    }
  }
  EXPECT_EQ(GetModuleHandleW(L"v0_0_0_0.dll"), nullptr);
  SetCurrentDirectoryW(ancien);
}

// A system DLL's own dependencies come from the system directory, not from the program's folder, which is
// searched first by default and may be a download folder.
TEST(DllSysteme, LesDependancesDUneDllSystemeViennentDuSysteme) {
  wchar_t systeme[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryW(systeme, MAX_PATH), 0u);
  const std::wstring source = std::wstring(L"" QUORVANE_VERSIONS) + L"\\pour-systeme\\";
  const wchar_t* dlls[] = {L"qvimporte.dll", L"qvdependance.dll"};
  for (const wchar_t* dll : dlls)
    ASSERT_TRUE(CopyFileW((source + dll).c_str(), (std::wstring(systeme) + L"\\" + dll).c_str(), FALSE)) << dll;
  const auto origine = base::FonctionSysteme<int (*)()>(L"qvimporte.dll", "OrigineDeLaDependance");
  ASSERT_NE(origine, nullptr);
  EXPECT_EQ(origine(), 1) << "1: the system's copy; 2: the one planted beside the program";
  for (const wchar_t* dll : dlls) DeleteFileW((std::wstring(systeme) + L"\\" + dll).c_str());
}

// Once the entry has restricted the search, a DLL asked for by its bare name (as the system's own DLLs ask
// for theirs) comes from the system directory, not from the program's folder that is searched first by
// default.
TEST(DllSysteme, ApresLEntreeUnNomSeulVientDuSysteme) {
  wchar_t systeme[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryW(systeme, MAX_PATH), 0u);
  const std::wstring copie = std::wstring(systeme) + L"\\qvdependance.dll";
  ASSERT_TRUE(CopyFileW((std::wstring(L"" QUORVANE_VERSIONS) + L"\\pour-systeme\\qvdependance.dll").c_str(),
                        copie.c_str(), FALSE));
  base::DllDuSystemeSeulement();
  HMODULE module = LoadLibraryW(L"qvdependance.dll");
  ASSERT_NE(module, nullptr);
  const auto origine = reinterpret_cast<int (*)()>(reinterpret_cast<void*>(GetProcAddress(module, "Origine")));
  ASSERT_NE(origine, nullptr);
  EXPECT_EQ(origine(), 1) << "1: the system's copy; 2: the one planted beside the program";
  FreeLibrary(module);
  DeleteFileW(copie.c_str());
}

}  // namespace
