#pragma once
// Findings of the one inspection run. The main window inherits them as plain members: the probes write
// them, the show handler and the verdicts read them. Texts are single-byte: the program's own texts are
// ASCII or Windows-1252, texts from the platform are in the system's ANSI code page.
#include <cstdint>
#include <string>

namespace sondes {

// Same layout as the platform's OSVERSIONINFOA (148 bytes); kept here so that the findings stay portable.
struct VersionOS {
  uint32_t dwOSVersionInfoSize = 0;
  uint32_t dwMajorVersion = 0;
  uint32_t dwMinorVersion = 0;
  uint32_t dwBuildNumber = 0;
  uint32_t dwPlatformId = 0;
  char szCSDVersion[128] = {};
};
static_assert(sizeof(VersionOS) == 148);

// Why the pause that times the processor gave no speed: a counter went backwards (restarted, as after a
// resume), or the performance counter did not move.
enum class PauseRatee : uint8_t { Non, CyclesEnArriere, CompteurEnArriere, CompteurArrete };

// Facts beyond the findings, for the hints alone: the system as it is whatever it tells the program, Wine
// under it, the processor as Windows names it under emulation, and why its speed could not be measured.
struct FaitsSysteme {
  bool versionConnue = false;
  uint32_t majeure = 0, mineure = 0, build = 0, plateforme = 0;
  uint8_t typeProduit = 0;             // 1 workstation, 2 domain controller, 3 server; 0 when not told
  uint32_t edition = 0;                // GetProductInfo's PRODUCT_*; 0 when not told
  std::string wine;                    // Wine's version, empty on Windows
  std::string hoteWine;                // the system Wine runs on ("Linux")
  bool processeurSelonOS = false;      // x64 emulation on ARM64: the name and speed are Windows's
  PauseRatee pause = PauseRatee::Non;  // not Non: the speed is 0, not measured
};

struct ResultatsInspection {
  uint8_t EchecVideo = 0;    // 1 when the diagnostic provider could not be created
  int32_t HauteurEcran = 0;  // desktop, pixels
  int32_t LargeurEcran = 0;
  int32_t BitsCouleur = 0;   // 0..255
  int32_t MemoireVideo = 0;  // MB
  uint32_t RefreshRate = 0;  // Hz
  std::string MarqueVideo;
  std::string VerDrv;
  uint8_t Is3D = 0;
  int32_t TotalRAM = 0;      // MB
  int32_t TotalVirtuel = 0;  // MB
  int32_t TotalPage = 0;     // MB
  int32_t Vitesse = 0;       // MHz
  std::string NomCPU;
  std::string VerOS;
  int32_t CodeOS = 0;  // 0 = not recognised, 1..7
  std::string AutreInfo;
  std::string DxVersion;
  uint32_t DxMajeur = 0;  // 0 = no DirectX found
  uint32_t DxMineur = 0;
  std::string DxLettre;
  VersionOS VersionOSInfo;  // the answer of the platform's version query
  FaitsSysteme Faits;
};

}  // namespace sondes
