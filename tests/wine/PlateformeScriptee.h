#pragma once
// A scripted platform for the probes: every call is written to a journal, answers come from plain fields
// that a test sets, and any call can be made to throw. Time is virtual: Sleep advances the time-stamp
// counter by `ticksParMs` per millisecond.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "probes/Plateforme.h"

class PlateformeScriptee : public sondes::Plateforme {
 public:
  PlateformeScriptee();

  std::vector<std::string> journal;  // names of the calls, in order
  std::string lancerA;               // the call of that name throws base::Exception

  // Processor.
  bool cpuid = true;
  std::map<uint32_t, std::array<uint32_t, 4>> feuilles;  // CPUID leaf -> EAX, EBX, ECX, EDX
  uint64_t tsc = 1'000'000;
  uint64_t ticksParMs = 2'400'000;  // a 2.4 GHz processor
  DWORD classePriorite = NORMAL_PRIORITY_CLASS;
  int prioriteThread = THREAD_PRIORITY_NORMAL;
  bool refuserPriorites = false;  // Set* calls fail and change nothing
  // What SetProcessInformation was given for ProcessPowerThrottling (Version, ControlMask, StateMask).
  std::vector<std::array<ULONG, 3>> etranglement;
  std::string nomSelonOS;
  uint32_t mhzSelonOS = 0;
  // The performance counter: 0 counts per second is none. Sleep advances it by the milliseconds asked
  // plus `retardMs`, the time a busy host keeps the thread beyond its pause (the counter of ticks too).
  int64_t qpcFrequence = 10'000'000;
  int64_t qpc = 123'456;
  DWORD retardMs = 0;
  // IsWow64Process2: absent, or the process's and the machine's IMAGE_FILE_MACHINE_*.
  std::optional<std::array<USHORT, 2>> machines;

  // Memory, in bytes.
  MEMORYSTATUSEX memoire{};

  // Display and video.
  HRESULT resultatFournisseur = REGDB_E_CLASSNOTREG;  // the provider cannot be created
  HRESULT resultatCoInitialize = S_FALSE;             // already initialised on this thread
  IDxDiagProvider* fournisseur = nullptr;             // handed out (AddRef'd) when creation succeeds
  DWORD frequence = 60;
  DWORD largeurMode = 0, hauteurMode = 0;  // the display mode's pixels; 0: not given
  int plans = 1;
  int bitsParPixel = 32;
  std::map<int, int> metriques;
  bool multiEcran = true;
  struct Boite {
    std::string texte, legende;
    UINT options;
  };
  std::vector<Boite> boites;

  // System directory and file versions ("major.minor.build.revision" by full path).
  std::string repertoireSysteme = "C:\\windows\\system32";
  std::map<std::string, std::string> versionsFichiers;

  // Operating system.
  OSVERSIONINFOA version{};
  BOOL versionLue = TRUE;
  LONG statutRtl = static_cast<LONG>(0xC000007A);  // STATUS_PROCEDURE_NOT_FOUND, as on 9x
  OSVERSIONINFOEXW vraieVersion{};
  std::optional<DWORD> edition;            // GetProductInfo's PRODUCT_*; none: the call fails
  std::array<DWORD, 4> versionDemandee{};  // what GetProductInfo was asked: major, minor, service pack
  const char* wine = nullptr;              // wine_get_version's answer; nullptr outside Wine
  const char *hoteSysteme = nullptr, *hoteVersion = nullptr;

  bool CpuidPresent() override;
  void Cpuid(uint32_t feuille, uint32_t registres[4]) override;
  uint64_t Rdtsc() override;
  HANDLE GetCurrentProcess() override;
  HANDLE GetCurrentThread() override;
  DWORD GetPriorityClass(HANDLE) override;
  int GetThreadPriority(HANDLE) override;
  BOOL SetPriorityClass(HANDLE, DWORD classe) override;
  BOOL SetThreadPriority(HANDLE, int priorite) override;
  void Sleep(DWORD ms) override;
  BOOL SetProcessInformation(HANDLE, PROCESS_INFORMATION_CLASS classe, void* information, DWORD taille) override;
  UINT timeBeginPeriod(UINT) override;
  UINT timeEndPeriod(UINT) override;
  bool ProcesseurSelonOS(char nom[64], uint32_t& megahertz) override;
  BOOL QueryPerformanceFrequency(LARGE_INTEGER& f) override;
  BOOL QueryPerformanceCounter(LARGE_INTEGER& c) override;
  BOOL IsWow64Process2(HANDLE, USHORT* processus, USHORT* natif) override;
  BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX& etat) override;
  HRESULT CoInitialize() override;
  void CoUninitialize() override;
  HRESULT CreerFournisseurDxDiag(IDxDiagProvider** p) override;
  BOOL EnumDisplaySettingsA(DEVMODEA& mode) override;
  HDC CreateDCA(const char* pilote) override;
  int GetDeviceCaps(HDC, int index) override;
  BOOL DeleteDC(HDC) override;
  int GetSystemMetrics(int index) override;
  bool MultiEcran() override;
  int MessageBoxA(const char* texte, const char* legende, UINT options) override;
  UINT GetSystemDirectoryA(char* tampon, UINT capacite) override;
  DWORD GetFileVersionInfoSizeA(const char* chemin) override;
  BOOL GetFileVersionInfoA(const char* chemin, DWORD taille, void* donnees) override;
  BOOL VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* longueur) override;
  BOOL GetVersionExA(OSVERSIONINFOA& v) override;
  LONG RtlGetVersion(OSVERSIONINFOEXW& v) override;
  BOOL GetProductInfo(DWORD majeure, DWORD mineure, DWORD spMajeur, DWORD spMineur, DWORD* produit) override;
  const char* wine_get_version() override;
  bool wine_get_host_version(const char** systeme, const char** version) override;

  // Fills `version` as a given Windows reports it.
  void DefinirVersion(DWORD plateforme, DWORD majeure, DWORD mineure, const char* servicePack);

 private:
  void Noter(const char* appel);
  const std::string* VersionDe(const char* chemin) const;
};
