#pragma once
// A relevé: every answer the platform gave the probes in one inspection run, and nothing else. The probes
// only gather these answers; the rules (ExamenRules.h) turn them into findings. Written to a file
// (ReleveRules.h), a player's machine replays anywhere, the same findings included.
//
// Texts are UTF-8: the platform's single-byte texts converted from its ANSI code page, the diagnostic
// provider's wide texts from UTF-16. No user name, computer name or user path is ever read into it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sondes {

struct FeuilleCpuid {
  uint32_t feuille = 0;
  std::array<uint32_t, 4> registres{};  // EAX, EBX, ECX, EDX

  bool operator==(const FeuilleCpuid&) const = default;
};

// MEMORYSTATUSEX's byte counts; `lu` is GlobalMemoryStatusEx's result (a failed query leaves zeros).
struct EtatMemoire {
  bool lu = false;
  uint64_t totalPhys = 0, availPhys = 0, totalVirtual = 0, availVirtual = 0, totalPageFile = 0, availPageFile = 0;

  bool operator==(const EtatMemoire&) const = default;
};

// One container the video probe asked the diagnostic provider for, by its path from the root ("" is the
// root, "DxDiag_DisplayDevices/0" the first display device, "#0" the name of child number 0 of the last
// container), with the HRESULT of the request.
struct ConteneurDx {
  std::string chemin;
  int32_t hr = 0;
  std::string nom;  // EnumChildContainerNames only: the name it gave

  bool operator==(const ConteneurDx&) const = default;
};

// One property read with GetProp: its container's path, its name, the HRESULT, then the VARIANT's type
// and value (VT_BSTR: `texte`; VT_UI4, VT_BOOL and the other integer types: `nombre`).
struct ProprieteDx {
  std::string conteneur;
  std::string nom;
  int32_t hr = 0;
  uint16_t type = 0;  // VARTYPE
  std::string texte;
  int64_t nombre = 0;

  bool operator==(const ProprieteDx&) const = default;
};

// One DirectX file of the system directory: its version, or none when it could not be read.
struct VersionFichierDx {
  std::string fichier;              // bare name, "ddraw.dll"
  std::optional<uint64_t> version;  // p1.p2.p3.p4 as FaireVersion packs them

  bool operator==(const VersionFichierDx&) const = default;
};

// OSVERSIONINFO's answer (GetVersionExA, or RtlGetVersion with its product type).
struct VersionSysteme {
  bool lu = false;
  uint32_t majeure = 0, mineure = 0, build = 0, plateforme = 0;
  std::string csd;
  uint8_t typeProduit = 0;  // RtlGetVersion only: 1 workstation, 2 domain controller, 3 server

  bool operator==(const VersionSysteme&) const = default;
};

struct Releve {
  // Processor.
  bool cpuidPresent = false;
  std::vector<FeuilleCpuid> cpuid;               // in the order read, leaf 0 first
  std::optional<std::array<uint64_t, 2>> rdtsc;  // the counter before and after the pause
  // QueryPerformanceFrequency, then QueryPerformanceCounter right before and after the pause; absent from
  // relevés of older versions, and when the system has no performance counter.
  std::optional<uint64_t> qpcFrequence;
  std::optional<std::array<int64_t, 2>> qpc;
  // The processor's name and MHz as the OS records them; read without CPUID and under emulation.
  std::optional<std::pair<std::string, uint32_t>> processeurSelonOS;
  // IsWow64Process2: the process's and the machine's IMAGE_FILE_MACHINE_* (absent before Windows 10 1511).
  std::optional<std::array<uint16_t, 2>> machines;

  // Memory: each GlobalMemoryStatusEx answer, in the order read.
  std::vector<EtatMemoire> memoire;

  // Video card and DirectX: the provider's creation, its containers and properties, or the file versions.
  int32_t creationFournisseur = 0;  // HRESULT of CoCreateInstance
  std::vector<ConteneurDx> conteneurs;
  std::vector<ProprieteDx> proprietes;
  std::optional<std::string> repertoireSysteme;  // GetSystemDirectoryA; absent when it failed or was not read
  std::vector<VersionFichierDx> fichiersDx;

  // Display.
  bool modeLu = false;  // EnumDisplaySettingsA's result
  uint32_t pelsWidth = 0, pelsHeight = 0, displayFrequency = 0, bitsPerPel = 0;
  int32_t planes = 0, bitsPixel = 0;  // GetDeviceCaps
  bool multiEcran = false;
  int32_t cxScreen = 0, cyScreen = 0, cxVirtualScreen = 0, cyVirtualScreen = 0;  // GetSystemMetrics

  // Operating system.
  VersionSysteme versionEx;                    // GetVersionExA, what the program is told
  std::optional<VersionSysteme> vraieVersion;  // RtlGetVersion, what the system is
  // GetProductInfo for the true version (Vista on): its result and the edition (PRODUCT_*); absent from
  // relevés of older versions, and where it was not asked.
  std::optional<std::pair<bool, uint32_t>> produit;
  std::optional<std::string> wine;                     // wine_get_version
  std::optional<std::array<std::string, 2>> hoteWine;  // wine_get_host_version: system name and release

  // The report lines the writer's version gave (UTF-8), the first one empty: its record, never required.
  std::vector<std::string> rapport;

  bool operator==(const Releve&) const = default;
};

}  // namespace sondes
