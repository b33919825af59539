// What Windows reads from Quorvane.exe: its version, its manifest, its icon, the DLLs it imports, its size.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "Pilote.h"

namespace {

class Ressources : public testing::Test {
 protected:
  void SetUp() override {
    exe = pilote::DossierDesTests() + L"\\Quorvane.exe";
    module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }
  std::string_view Donnees(const wchar_t* nom, const wchar_t* genre) const {
    HRSRC r = FindResourceW(module, nom, genre);
    if (!r) return {};
    return {static_cast<const char*>(LockResource(LoadResource(module, r))), SizeofResource(module, r)};
  }

  std::wstring exe;
  HMODULE module = nullptr;
};

// The DLL names of the exe's import table, read from the file.
std::vector<std::string> Imports(const std::wstring& exe) {
  std::ifstream f(std::filesystem::path(exe), std::ios::binary);
  const std::string octets{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(octets.data());
  // The headers of this build's machine, which are the program's: the same toolchain makes both.
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS*>(octets.data() + dos.e_lfanew);
  const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(&nt);
  auto position = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i)
      if (rva >= sections[i].VirtualAddress && rva < sections[i].VirtualAddress + sections[i].SizeOfRawData)
        return sections[i].PointerToRawData + (rva - sections[i].VirtualAddress);
    return 0;
  };
  std::vector<std::string> noms;
  const DWORD table = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(octets.data() + position(table)); d->Name; ++d)
    noms.emplace_back(octets.data() + position(d->Name));
  return noms;
}

TEST_F(Ressources, LaVersionEstCelleDuProjet) {
  DWORD inutile = 0;
  std::vector<BYTE> bloc(GetFileVersionInfoSizeW(exe.c_str(), &inutile));
  ASSERT_FALSE(bloc.empty());
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(bloc.size()), bloc.data()));
  VS_FIXEDFILEINFO* fixe = nullptr;
  UINT taille = 0;
  ASSERT_TRUE(VerQueryValueW(bloc.data(), L"\\", reinterpret_cast<void**>(&fixe), &taille));
  const DWORD version = QUORVANE_VERSION_MAJEUR << 16 | QUORVANE_VERSION_MINEUR;  // "2.0": 0x00020000
  EXPECT_EQ(fixe->dwProductVersionMS, version);
  EXPECT_EQ(fixe->dwFileVersionMS, version);
  for (auto [cle, attendu] :
       {std::pair{L"ProductName", L"Quorvane"}, std::pair{L"ProductVersion", L"" QUORVANE_VERSION}}) {
    wchar_t* valeur = nullptr;
    const std::wstring chemin = std::wstring(L"\\StringFileInfo\\040C04B0\\") + cle;
    ASSERT_TRUE(VerQueryValueW(bloc.data(), chemin.c_str(), reinterpret_cast<void**>(&valeur), &taille)) << cle;
    EXPECT_STREQ(valeur, attendu);
  }
}

// Per-monitor awareness v2, then v1, from the 2016 element; system awareness from the 2005 one for the
// systems that know only it. Elements outside their namespace are ignored by Windows.
TEST_F(Ressources, LeManifesteDemandeLesControlesCommuns6EtLaConscienceDuDpiParEcran) {
  const std::string_view manifeste = Donnees(MAKEINTRESOURCEW(1), RT_MANIFEST);
  for (const char* attendu :
       {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
        "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, "
        "PerMonitor</dpiAwareness>"})
    EXPECT_NE(manifeste.find(attendu), std::string_view::npos) << attendu;
}

#pragma pack(push, 2)
struct EntreeGroupe {
  BYTE largeur, hauteur, couleurs, reserve;
  WORD plans, bits;
  DWORD octets;
  WORD id;
};
#pragma pack(pop)

TEST_F(Ressources, LIconeA32x32En16CouleursEtLesGrandesTailles) {
  const std::string_view groupe = Donnees(MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  ASSERT_GE(groupe.size(), 6u);
  const auto n = *reinterpret_cast<const WORD*>(groupe.data() + 4);
  ASSERT_EQ(groupe.size(), 6u + n * sizeof(EntreeGroupe));
  bool seize = false, grande = false;
  for (WORD i = 0; i < n; ++i) {
    const auto& e = *reinterpret_cast<const EntreeGroupe*>(groupe.data() + 6 + i * sizeof(EntreeGroupe));
    seize = seize || (e.largeur == 32 && e.hauteur == 32 && e.bits == 4);
    grande = grande || e.largeur == 0;  // 256 pixels
  }
  EXPECT_TRUE(seize) << "32 x 32 in 16 colours";
  EXPECT_TRUE(grande) << "256 x 256";
}

TEST_F(Ressources, LesImportsSontDuSystemeEtAucunNeSertQuAUneCommande) {
  const std::vector<std::string> imports = Imports(exe);
  ASSERT_FALSE(imports.empty());
  char systeme[MAX_PATH] = {};
  GetSystemDirectoryA(systeme, MAX_PATH);
  for (const std::string& dll : imports)
    EXPECT_NE(GetFileAttributesA((std::string(systeme) + "\\" + dll).c_str()), INVALID_FILE_ATTRIBUTES) << dll;
  // Loaded on first use, or not at all: each would cost every start its loading.
  for (const char* differee :
       {"comdlg32.dll", "shell32.dll", "shlwapi.dll", "version.dll", "winmm.dll", "msimg32.dll", "windowscodecs.dll"})
    for (const std::string& dll : imports) EXPECT_NE(_stricmp(dll.c_str(), differee), 0) << dll;
}

// A small download: the pictures' ready pixels take 1.05 MB of it, their 200 % renderings for the other
// display scales, as PNG, 0.3 MB.
// 2 MiB each: the program and its twin.
TEST_F(Ressources, LExeTientEn2Mo) {
  const std::filesystem::path programme(exe);
  for (const char* extension : {".exe", ".com"})
    EXPECT_LE(std::filesystem::file_size(std::filesystem::path(programme).replace_extension(extension)), 2'097'152u)
        << extension;
}

}  // namespace
