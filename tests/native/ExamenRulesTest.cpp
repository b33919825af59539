// What the platform's answers mean: each row is a small relevé, only the answers that matter, over a base
// machine that has nothing else to say, and the findings it gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "probes/ExamenRules.h"
#include "Couches.h"

namespace {

using couches::Couches;

// The layers over the base, decoded as the program decodes its own answers, its code page being UTF-8.
sondes::ResultatsInspection Decoder(const Couches& c) {
  return sondes::Decoder(couches::Releve(c), [](std::string_view t) { return std::optional(std::string(t)); });
}

// "Scripted(R) CPU @ 2.40GHz", GenuineIntel, 1.2 billion ticks over 500 ms by the performance counter.
constexpr char kSansCompteur[] = R"(CpuidPresent: 1
cpuid 00000000: 0000000D 756E6547 6C65746E 49656E69
cpuid 80000000: 80000004 00000000 00000000 00000000
cpuid 80000002: 69726353 64657470 20295228 20555043
cpuid 80000003: 2E322040 48473034 0000007A 00000000
Rdtsc: 25000000 1225000000
)";
const std::string kScripte = std::string(kSansCompteur) + R"(QueryPerformanceFrequency: 10000000
QueryPerformanceCounter: 223456 5223456
)";
constexpr char kMarque[] = "Scripted(R) CPU @ 2.40GHz";
constexpr char kSnapdragon[] =
    R"(ProcesseurSelonOS: "Snapdragon(R) X Elite - X1E78100 - Qualcomm(R) Oryon(TM) CPU" 3417)";

TEST(Inspection, LeProcesseurSonNomEtSaVitesse) {
  struct Cas {
    const char* quoi;
    Couches couches;
    std::string nom;
    int32_t mhz;
    bool selonOS = false;
    sondes::PauseRatee pause = sondes::PauseRatee::Non;
  };
  using enum sondes::PauseRatee;
  // clang-format off
  const Cas cas[] = {
      {"measured", {kScripte}, kMarque, 2400},
      {"a pause 50 ms longer than asked",
       {kScripte, "Rdtsc: 0 1431650000", "QueryPerformanceCounter: 20000 5520000"}, kMarque, 2603},
      {"1.3 s at 3.4 GHz: every bit of the ticks", {kScripte, "Rdtsc: 0 4420000000", "QueryPerformanceCounter: 0 13000000"},
       kMarque, 3400},
      // A second reading below the first is a counter that restarted, not one that wrapped: no speed.
      {"the time-stamp counter went back", {kScripte, "Rdtsc: 18446744073709550615 1499998999"}, kMarque, 0, false,
       CyclesEnArriere},
      {"the performance counter went back",
       {kScripte, "Rdtsc: 0 1431650000", "QueryPerformanceCounter: 5520000 20000"}, kMarque, 0, false, CompteurEnArriere},
      {"the performance counter did not move", {kScripte, "QueryPerformanceCounter: 5520000 5520000"}, kMarque, 0, false,
       CompteurArrete},
      {"no performance counter: 500 ms", {kSansCompteur}, kMarque, 2400},
      {"no performance counter: the low 32 bits of the ticks", {kSansCompteur, "Rdtsc: 0 5000000000"}, kMarque, 1410},
      {"no performance counter, the time-stamp counter went back", {kSansCompteur, "Rdtsc: 1000 999"}, kMarque, 0, false,
       CyclesEnArriere},
      {"a brand starting with 0x7F: the vendor",
       {kScripte, "cpuid 00000000: 0000000D 68747541 444D4163 69746E65",
                  "cpuid 80000002: 6E67697F 6465726F 61726220 0000646E"}, "AuthenticAMD", 2400},
      {"a brand with blanks",
       {kScripte, "cpuid 80000002: 49202020 6C65746E 20295228 65726F43",
                  "cpuid 80000003: 294D5428 20376920 00000000 00000000"}, "   Intel(R) Core(TM) i7 ", 2400},
      // A Pentium III answers 0x80000000-4 with a copy of leaf 2.
      {"no brand leaves: the vendor",
       {kScripte, "cpuid 00000000: 00000002 756E6547 6C65746E 49656E69",
                  "cpuid 80000000: 03020101 00000000 00000000 00000000",
                  "cpuid 80000002: 03020101 00000000 00000000 00000000"}, "GenuineIntel", 2400},
      {"without CPUID: the OS's name and speed", {R"(ProcesseurSelonOS: "Snapdragon (TM) 8cx Gen 3 @ 3.0 GHz" 2995)"},
       "Snapdragon (TM) 8cx Gen 3 @ 3.0 GHz", 2995},
      {"without CPUID nor the OS's answer: nothing", {}, "", 0},
      {"a registry name past its 63 bytes", {R"(ProcesseurSelonOS: ")" + std::string(70, 'n') + R"(" 1000)"},
       std::string(63, 'n'), 1000},
      {"a brand byte beyond ASCII, as it is",
       {kScripte, "cpuid 80000002: 0000E978 00000000 00000000 00000000"}, "x\xE9", 2400},
      {"an OS speed past the signed range: the largest speed", {R"(ProcesseurSelonOS: "x" 2147483648)"}, "x", 2147483647},
      {"x64 emulated on ARM64: the OS's name and speed", {kScripte, "IsWow64Process2: 0000 AA64", kSnapdragon},
       "Snapdragon(R) X Elite - X1E78100 - Qualcomm(R) Oryon(TM) CPU", 3417, true},
      {"on an x64 machine the OS's answer is not taken", {kScripte, "IsWow64Process2: 0000 8664", kSnapdragon},
       kMarque, 2400},
      {"on ARM64 without the OS's answer: the measure", {kScripte, "IsWow64Process2: 0000 AA64"}, kMarque, 2400},
  };
  // clang-format on
  for (const Cas& c : cas) {
    const sondes::ResultatsInspection r = Decoder(c.couches);
    EXPECT_EQ(r.NomCPU, c.nom) << c.quoi;
    EXPECT_EQ(r.Vitesse, c.mhz) << c.quoi;
    EXPECT_EQ(r.Faits.processeurSelonOS, c.selonOS) << c.quoi;
    EXPECT_EQ(r.Faits.pause, c.pause) << c.quoi;
  }
}

TEST(Inspection, LaMemoireChaqueQuantiteDeSaRequete) {
  struct Cas {
    const char* quoi;
    std::string requetes;
    int32_t ram, virtuel, page;
  };
  // clang-format off
  const Cas cas[] = {
      {"256 MB, 2 GB of address space, no page file",
       "GlobalMemoryStatusEx: 1 268435456 0 2147352576 0 0 0", 257, 2048, 1},
      {"3.5 GB, 4 GB of address space",
       "GlobalMemoryStatusEx: 1 3801341952 0 4294967295 0 2147483648 0", 3626, 4096, 2049},
      {"a 64-bit process",
       "GlobalMemoryStatusEx: 1 17179869184 0 140737488224256 0 25769803776 0", 16385, 134'217'728, 24577},
      {"each row from its own query",
       "GlobalMemoryStatusEx: 1 268435456 0 0 0 0 0\n"
       "GlobalMemoryStatusEx: 1 0 0 2147352576 0 0 0\n"
       "GlobalMemoryStatusEx: 1 0 0 0 0 2147483648 0", 257, 2048, 2049},
  };
  // clang-format on
  for (const Cas& c : cas) {
    const sondes::ResultatsInspection r = Decoder({c.requetes});
    EXPECT_EQ(r.TotalRAM, c.ram) << c.quoi;
    EXPECT_EQ(r.TotalVirtuel, c.virtuel) << c.quoi;
    EXPECT_EQ(r.TotalPage, c.page) << c.quoi;
  }
}

// The first display device as the provider named it, and the system information.
constexpr char kEcran[] = R"(CoCreateInstance: 00000000
GetChildContainer "DxDiag_DisplayDevices#0": 00000000 "0"
GetProp "DxDiag_DisplayDevices/0" "szDescription": 00000000 0008 "Scripted GPU"
GetProp "DxDiag_DisplayDevices/0" "szDisplayMemoryEnglish": 00000000 0008 "8072 MB"
GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 00000000 000B -1
GetProp "DxDiag_DisplayDevices/0" "szDriverVersion": 00000000 0008 "31.0.15.1659"
)";
constexpr char kSysteme[] = R"(CoCreateInstance: 00000000
GetProp "DxDiag_SystemInfo" "dwDirectXVersionMajor": 00000000 0013 9
GetProp "DxDiag_SystemInfo" "dwDirectXVersionMinor": 00000000 0013 0
GetProp "DxDiag_SystemInfo" "szDirectXVersionLetter": 00000000 0008 "c"
)";
constexpr char kRepli[] = R"(CoCreateInstance: 80040154
GetSystemDirectoryA: "C:\\windows\\system32"
)";

struct Carte {
  const char* marque;
  int32_t memoire;
  uint8_t is3D;
  const char* verDrv;
  uint32_t majeur, mineur;
  const char* lettre;
  const char* version;
  uint8_t echec;
};
constexpr Carte kComplete{"Scripted GPU", 8072, 1, "31.0.15.1659", 9, 0, "c", "9.0c", 0};
constexpr Carte kSansCarte{"Inconnue", 0, 0, "Inconnue", 9, 0, "c", "9.0c", 0};
constexpr Carte kSansDirectX{"Scripted GPU", 8072, 1, "31.0.15.1659", 0, 0, " ", "0.0 ", 0};
constexpr Carte kRien{"Inconnue", 0, 0, "Inconnue", 0, 0, " ", "0.0 ", 0};
constexpr Carte kRienDesFichiers{"Inconnue", 0, 0, "Inconnue", 0, 0, " ", "0.0 ", 1};

TEST(Inspection, LaCarteEtDirectXSelonLeFournisseurOuLesFichiers) {
  struct Cas {
    const char* quoi;
    Couches couches;
    Carte attendu;
  };
  // clang-format off
  const Cas cas[] = {
      {"nothing wrong", {kEcran, kSysteme}, kComplete},
      {"no display devices container",
       {kSysteme, R"(GetChildContainer "DxDiag_DisplayDevices": 80070057 "")"}, kSansCarte},
      {"child names cannot be listed",
       {kEcran, kSysteme, R"(GetChildContainer "DxDiag_DisplayDevices#0": 80004005 "")"}, kSansCarte},
      {"a failed listing that names a child all the same",
       {kEcran, kSysteme, R"(GetChildContainer "DxDiag_DisplayDevices#0": 80004005 "0")"}, kSansCarte},
      {"no display device",
       {kEcran, kSysteme, R"(GetChildContainer "DxDiag_DisplayDevices#0": 80070057 "")"}, kSansCarte},
      {"a name that fills the buffer",
       {kEcran, kSysteme, R"(GetChildContainer "DxDiag_DisplayDevices#0": 00000000 ")" + std::string(255, 'x') + '"'},
       kSansCarte},
      {"a name without a container",
       {kEcran, kSysteme, R"(GetChildContainer "DxDiag_DisplayDevices#0": 00000000 "7")",
                          R"(GetChildContainer "DxDiag_DisplayDevices/7": 80070057 "")"}, kSansCarte},
      {"an empty text",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "szDescription": 00000000 0008 "")"},
       {"", 8072, 1, "31.0.15.1659", 9, 0, "c", "9.0c", 0}},
      {"no device properties",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "szDescription": 80070057 0000 0)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "szDisplayMemoryEnglish": 80070057 0000 0)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 80070057 0000 0)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "szDriverVersion": 80070057 0000 0)"}, kSansCarte},
      {"a silent property is no text",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 80070057 0000 0)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "szDriverVersion": 00000000 0000 0)"},
       {"Scripted GPU", 8072, 0, "Inconnue", 9, 0, "c", "9.0c", 0}},
      {"texts and flag of other types",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "szDescription": 00000000 0013 305419896)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "szDisplayMemoryEnglish": 00000000 0005 0)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 00000000 0002 -1)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "szDriverVersion": 00000000 0001 0)"}, kSansCarte},
      {"the 3D flag as a text",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 00000000 0008 "true")"},
       {"Scripted GPU", 8072, 0, "31.0.15.1659", 9, 0, "c", "9.0c", 0}},
      {"any nonzero boolean is true, and Wine's memory text",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 00000000 000B 1)",
                          R"(GetProp "DxDiag_DisplayDevices/0" "szDisplayMemoryEnglish": 00000000 0008 "4289.7 MB")"},
       {"Scripted GPU", 4289, 1, "31.0.15.1659", 9, 0, "c", "9.0c", 0}},
      {"a false boolean",
       {kEcran, kSysteme, R"(GetProp "DxDiag_DisplayDevices/0" "b3DAccelerationExists": 00000000 000B 0)"},
       {"Scripted GPU", 8072, 0, "31.0.15.1659", 9, 0, "c", "9.0c", 0}},
      {"no system information", {kEcran, R"(GetChildContainer "DxDiag_SystemInfo": 80070057 "")"}, kSansDirectX},
      {"version numbers and letter of other types",
       {kEcran, kSysteme, R"(GetProp "DxDiag_SystemInfo" "dwDirectXVersionMajor": 00000000 0003 9)",
                          R"(GetProp "DxDiag_SystemInfo" "dwDirectXVersionMinor": 00000000 0008 "0")",
                          R"(GetProp "DxDiag_SystemInfo" "szDirectXVersionLetter": 00000000 000D 0)"}, kSansDirectX},
      {"an empty letter",
       {kEcran, kSysteme, R"(GetProp "DxDiag_SystemInfo" "szDirectXVersionLetter": 00000000 0008 "")"},
       {"Scripted GPU", 8072, 1, "31.0.15.1659", 9, 0, "", "9.0", 0}},
      {"a later DirectX",
       {kEcran, kSysteme, R"(GetProp "DxDiag_SystemInfo" "dwDirectXVersionMajor": 00000000 0013 12)",
                          R"(GetProp "DxDiag_SystemInfo" "dwDirectXVersionMinor": 00000000 0013 1)"},
       {"Scripted GPU", 8072, 1, "31.0.15.1659", 12, 1, "c", "12.1c", 0}},
      {"no root container", {"CoCreateInstance: 00000000", R"(GetChildContainer "": 80004005 "")"}, kRien},
      {"no provider: XP's d3d8 and ddraw",
       {kRepli, R"(GetFileVersionInfo "d3d8.dll": 5.1.2600.901)", R"(GetFileVersionInfo "ddraw.dll": 5.1.2258.400)"},
       {"Inconnue", 0, 0, "Inconnue", 8, 1, "a", "8.1a et/ou +", 1}},
      {"no provider: d3d9 and mpg2splt",
       {kRepli, R"(GetFileVersionInfo "d3d9.dll": 6.0.6000.0)", R"(GetFileVersionInfo "mpg2splt.ax": 6.3.1.885)"},
       {"Inconnue", 0, 0, "Inconnue", 9, 0, " ", "9.0  et/ou +", 1}},
      {"no provider: ddraw alone", {kRepli, R"(GetFileVersionInfo "ddraw.dll": 4.6.0.436)"},
       {"Inconnue", 0, 0, "Inconnue", 6, 1, " ", "6.1  et/ou +", 1}},
      {"no provider, no DirectX file", {kRepli}, kRienDesFichiers},
      {"created without an interface: its answers are not taken",
       {kEcran, kSysteme, "CoCreateInstance: 80004003"}, kRienDesFichiers},
      {"S_FALSE is no provider", {kEcran, kSysteme, "CoCreateInstance: 00000001"}, kRienDesFichiers},
      {"without a system directory no file counts",
       {"CoCreateInstance: 80040154", R"(GetFileVersionInfo "d3d9.dll": 9.0.0.0)"}, kRienDesFichiers},
      {"a system directory of 259 characters",
       {"CoCreateInstance: 80040154", R"(GetSystemDirectoryA: "C:\\)" + std::string(256, 'd') + '"',
        R"(GetFileVersionInfo "mpg2splt.ax": 6.3.1.885)"},
       {"Inconnue", 0, 0, "Inconnue", 8, 1, "b", "8.1b et/ou +", 1}},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    const sondes::ResultatsInspection r = Decoder(c.couches);
    EXPECT_EQ(r.MarqueVideo, c.attendu.marque);
    EXPECT_EQ(r.MemoireVideo, c.attendu.memoire);
    EXPECT_EQ(r.Is3D, c.attendu.is3D);
    EXPECT_EQ(r.VerDrv, c.attendu.verDrv);
    EXPECT_EQ(r.DxMajeur, c.attendu.majeur);
    EXPECT_EQ(r.DxMineur, c.attendu.mineur);
    EXPECT_EQ(r.DxLettre, c.attendu.lettre);
    EXPECT_EQ(r.DxVersion, c.attendu.version);
    EXPECT_EQ(r.EchecVideo, c.attendu.echec);
  }
}

TEST(Inspection, LeBureauEnPixelsEtSaProfondeur) {
  struct Cas {
    const char* quoi;
    Couches couches;
    int32_t largeur, hauteur, bits;
    uint32_t hz;
  };
  // clang-format off
  const Cas cas[] = {
      {"one screen", {}, 1024, 768, 32, 60},
      {"two monitors side by side: the whole virtual screen",
       {"EnumDisplaySettingsA: 1 0 0 75 0", "MultiEcran: 1", "GetSystemMetrics: 0 0 2048 768"}, 2048, 768, 32, 75},
      {"a user library without several monitors: the primary screen",
       {"GetSystemMetrics: 1024 768 2048 768"}, 1024, 768, 32, 60},
      // Windows gives a thread without DPI awareness the metrics in logical pixels, the mode in the screen's.
      {"a 1920 x 1080 screen at 125 %",
       {"EnumDisplaySettingsA: 1 1920 1080 60 32", "MultiEcran: 1", "GetSystemMetrics: 1536 864 1536 864"},
       1920, 1080, 32, 60},
      {"two such screens side by side",
       {"EnumDisplaySettingsA: 1 1920 1080 60 32", "MultiEcran: 1", "GetSystemMetrics: 1536 864 3072 864"},
       3840, 1080, 32, 60},
      {"the device's planes and bits, not the mode's", {"GetDeviceCaps: 4 1"}, 1024, 768, 4, 60},
  };
  // clang-format on
  for (const Cas& c : cas) {
    const sondes::ResultatsInspection r = Decoder(c.couches);
    EXPECT_EQ(r.LargeurEcran, c.largeur) << c.quoi;
    EXPECT_EQ(r.HauteurEcran, c.hauteur) << c.quoi;
    EXPECT_EQ(r.BitsCouleur, c.bits) << c.quoi;
    EXPECT_EQ(r.RefreshRate, c.hz) << c.quoi;
  }
}

TEST(Inspection, LeSystemeTelQuIlSeDitEtTelQuIlEst) {
  struct Cas {
    const char* quoi;
    Couches couches;
    const char* verOS;  // then the service pack and the build, as the program is told
    int32_t code;
    const char* autre;
    uint32_t buildDit;
    bool connue;  // then the system as it is, and Wine under it
    uint32_t majeure, build;
    uint8_t typeProduit;
    const char *wine, *hote;
    uint32_t edition = 0;
  };
  // clang-format off
  const Cas cas[] = {
      {"Windows XP", {R"(GetVersionExA: 1 5 1 2600 2 "Service Pack 3")"},
       "Windows XP", 7, "Service Pack 3", 2600, true, 5, 2600, 0, "", ""},
      {"Windows 98 has no RtlGetVersion", {R"(GetVersionExA: 1 4 10 2222 1 " A ")"},
       "Windows 98", 2, " A ", 2222, true, 4, 2222, 0, "", ""},
      {"Windows 10 under Wine, told it is 6.2",
       {R"(GetVersionExA: 1 6 2 9200 2 "")", R"(RtlGetVersion: 10 0 19045 2 1 "")", R"(wine_get_version: "8.0")",
        R"(wine_get_host_version: "Linux" "6.1.0")"},
       "OS inconnu", 0, "", 9200, true, 10, 19045, 1, "8.0", "Linux"},
      {"a failed query", {R"(GetVersionExA: 0 0 0 0 0 "")"}, "OS inconnu", 0, "", 0, false, 0, 0, 0, "", ""},
      {"an edition told", {R"(RtlGetVersion: 10 0 19045 2 3 "")", "GetProductInfo: 1 000000AF"},
       "Windows XP", 7, "", 2600, true, 10, 19045, 3, "", "", 0xAF},
      {"an edition refused", {R"(RtlGetVersion: 10 0 19045 2 3 "")", "GetProductInfo: 0 000000AF"},
       "Windows XP", 7, "", 2600, true, 10, 19045, 3, "", ""},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    const sondes::ResultatsInspection r = Decoder(c.couches);
    EXPECT_EQ(r.VerOS, c.verOS);
    EXPECT_EQ(r.CodeOS, c.code);
    EXPECT_EQ(r.AutreInfo, c.autre);
    EXPECT_EQ(r.VersionOSInfo.dwBuildNumber, c.buildDit);
    EXPECT_EQ(r.Faits.versionConnue, c.connue);
    EXPECT_EQ(r.Faits.majeure, c.majeure);
    EXPECT_EQ(r.Faits.build, c.build);
    EXPECT_EQ(r.Faits.typeProduit, c.typeProduit);
    EXPECT_EQ(r.Faits.wine, c.wine);
    EXPECT_EQ(r.Faits.hoteWine, c.hote);
    EXPECT_EQ(r.Faits.edition, c.edition);
  }
}

}  // namespace
