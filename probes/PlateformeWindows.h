#pragma once
// The real platform: each method is the Windows call or processor instruction it is named after.
#include "probes/Plateforme.h"

namespace sondes {

class PlateformeWindows : public Plateforme {
 public:
  // The message boxes are owned by `proprietaire`, the application's window.
  explicit PlateformeWindows(HWND proprietaire) : proprietaire_(proprietaire) {}

  bool CpuidPresent() override;
  void Cpuid(uint32_t feuille, uint32_t registres[4]) override;
  uint64_t Rdtsc() override;
  HANDLE GetCurrentProcess() override { return ::GetCurrentProcess(); }
  HANDLE GetCurrentThread() override { return ::GetCurrentThread(); }
  DWORD GetPriorityClass(HANDLE p) override { return ::GetPriorityClass(p); }
  int GetThreadPriority(HANDLE t) override { return ::GetThreadPriority(t); }
  BOOL SetPriorityClass(HANDLE p, DWORD c) override { return ::SetPriorityClass(p, c); }
  BOOL SetThreadPriority(HANDLE t, int pr) override { return ::SetThreadPriority(t, pr); }
  void Sleep(DWORD ms) override { ::Sleep(ms); }
  BOOL SetProcessInformation(HANDLE processus, PROCESS_INFORMATION_CLASS classe, void* information,
                             DWORD taille) override;
  UINT timeBeginPeriod(UINT periode) override;
  UINT timeEndPeriod(UINT periode) override;
  bool ProcesseurSelonOS(char nom[64], uint32_t& megahertz) override;
  BOOL QueryPerformanceFrequency(LARGE_INTEGER& f) override { return ::QueryPerformanceFrequency(&f); }
  BOOL QueryPerformanceCounter(LARGE_INTEGER& c) override { return ::QueryPerformanceCounter(&c); }
  BOOL IsWow64Process2(HANDLE processus, USHORT* machineProcessus, USHORT* machineNative) override;

  BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX& etat) override { return ::GlobalMemoryStatusEx(&etat); }

  HRESULT CoInitialize() override { return ::CoInitialize(nullptr); }
  void CoUninitialize() override { ::CoUninitialize(); }
  HRESULT CreerFournisseurDxDiag(IDxDiagProvider** fournisseur) override;
  BOOL EnumDisplaySettingsA(DEVMODEA& mode) override {
    return ::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  }
  HDC CreateDCA(const char* pilote) override { return ::CreateDCA(pilote, nullptr, nullptr, nullptr); }
  int GetDeviceCaps(HDC dc, int index) override { return ::GetDeviceCaps(dc, index); }
  BOOL DeleteDC(HDC dc) override { return ::DeleteDC(dc); }
  int GetSystemMetrics(int index) override { return ::GetSystemMetrics(index); }
  bool MultiEcran() override;
  int MessageBoxA(const char* texte, const char* legende, UINT options) override;

  UINT GetSystemDirectoryA(char* tampon, UINT capacite) override { return ::GetSystemDirectoryA(tampon, capacite); }
  DWORD GetFileVersionInfoSizeA(const char* chemin) override;
  BOOL GetFileVersionInfoA(const char* chemin, DWORD taille, void* donnees) override;
  BOOL VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* longueur) override;

  BOOL GetVersionExA(OSVERSIONINFOA& version) override { return ::GetVersionExA(&version); }
  LONG RtlGetVersion(OSVERSIONINFOEXW& version) override;
  BOOL GetProductInfo(DWORD majeure, DWORD mineure, DWORD spMajeur, DWORD spMineur, DWORD* produit) override;
  const char* wine_get_version() override;
  bool wine_get_host_version(const char** systeme, const char** version) override;

 private:
  HWND proprietaire_;
};

}  // namespace sondes
