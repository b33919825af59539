#pragma once
// The probes' only road to the machine: processor instructions, kernel, display and DirectX calls. The
// program uses PlateformeWindows; tests script a fake to drive every path, failures included. Methods keep
// the platform's names and arguments so that each call reads as the Windows call it stands for.
#include <windows.h>
#include <dxdiag.h>

#include <cstdint>

namespace sondes {

// The DirectX diagnostic provider's class and interfaces (the import libraries do not carry them).
inline constexpr GUID kClsidDxDiagProvider = {
    0xA65B8071, 0x3BFE, 0x4213, {0x9A, 0x5B, 0x49, 0x1D, 0xA4, 0x46, 0x1C, 0xA7}};
inline constexpr GUID kIidDxDiagProvider = {
    0x9C6B4CB0, 0x23F8, 0x49CC, {0xA3, 0xED, 0x45, 0xA5, 0x50, 0x00, 0xA6, 0xD2}};
inline constexpr GUID kIidDxDiagContainer = {
    0x7D0F462F, 0x4064, 0x4862, {0xBC, 0x7F, 0x93, 0x3E, 0x50, 0x58, 0xC1, 0x0F}};

class Plateforme {
 public:
  virtual ~Plateforme() = default;

  // Processor.
  virtual bool CpuidPresent() = 0;                                  // bit 21 of EFLAGS can be toggled
  virtual void Cpuid(uint32_t feuille, uint32_t registres[4]) = 0;  // EAX, EBX, ECX, EDX
  virtual uint64_t Rdtsc() = 0;
  virtual HANDLE GetCurrentProcess() = 0;
  virtual HANDLE GetCurrentThread() = 0;
  virtual DWORD GetPriorityClass(HANDLE processus) = 0;
  virtual int GetThreadPriority(HANDLE thread) = 0;
  virtual BOOL SetPriorityClass(HANDLE processus, DWORD classe) = 0;
  virtual BOOL SetThreadPriority(HANDLE thread, int priorite) = 0;
  virtual void Sleep(DWORD millisecondes) = 0;
  // Windows 8 and later (kernel32); FALSE with ERROR_PROC_NOT_FOUND before.
  virtual BOOL SetProcessInformation(HANDLE processus, PROCESS_INFORMATION_CLASS classe, void* information,
                                     DWORD taille) = 0;
  virtual UINT timeBeginPeriod(UINT periode) = 0;
  virtual UINT timeEndPeriod(UINT periode) = 0;
  // Name and speed as the OS reports them, for processors without CPUID and RDTSC.
  virtual bool ProcesseurSelonOS(char nom[64], uint32_t& megahertz) = 0;
  // The performance counter that times the pause; FALSE where the system has none.
  virtual BOOL QueryPerformanceFrequency(LARGE_INTEGER& frequence) = 0;
  virtual BOOL QueryPerformanceCounter(LARGE_INTEGER& compteur) = 0;
  // Windows 10 1511 and later (kernel32); FALSE with ERROR_PROC_NOT_FOUND before.
  virtual BOOL IsWow64Process2(HANDLE processus, USHORT* machineProcessus, USHORT* machineNative) = 0;

  // Memory.
  virtual BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX& etat) = 0;

  // Video card, display and DirectX diagnostic provider.
  virtual HRESULT CoInitialize() = 0;
  virtual void CoUninitialize() = 0;  // once for each successful CoInitialize, S_FALSE included
  // CoCreateInstance of the diagnostic provider (in-process server, IID_IDxDiagProvider).
  virtual HRESULT CreerFournisseurDxDiag(IDxDiagProvider** fournisseur) = 0;
  virtual BOOL EnumDisplaySettingsA(DEVMODEA& mode) = 0;  // current settings of the thread's display
  virtual HDC CreateDCA(const char* pilote) = 0;
  virtual int GetDeviceCaps(HDC dc, int index) = 0;
  virtual BOOL DeleteDC(HDC dc) = 0;
  virtual int GetSystemMetrics(int index) = 0;
  // Whether the user library supports several monitors (it exports GetMonitorInfoA); without it the
  // desktop is the primary screen.
  virtual bool MultiEcran() = 0;
  // The application's message box; it waits until the user closes it.
  virtual int MessageBoxA(const char* texte, const char* legende, UINT options) = 0;

  // DirectX files of the system directory.
  virtual UINT GetSystemDirectoryA(char* tampon, UINT capacite) = 0;
  virtual DWORD GetFileVersionInfoSizeA(const char* chemin) = 0;
  virtual BOOL GetFileVersionInfoA(const char* chemin, DWORD taille, void* donnees) = 0;
  virtual BOOL VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* longueur) = 0;

  // Operating system.
  virtual BOOL GetVersionExA(OSVERSIONINFOA& version) = 0;
  // The true version whatever the manifest (ntdll); STATUS_PROCEDURE_NOT_FOUND where it is missing (9x).
  virtual LONG RtlGetVersion(OSVERSIONINFOEXW& version) = 0;
  // The edition (PRODUCT_*) of a given version; Vista and later (kernel32), FALSE with ERROR_PROC_NOT_FOUND
  // before.
  virtual BOOL GetProductInfo(DWORD majeure, DWORD mineure, DWORD spMajeur, DWORD spMineur, DWORD* produit) = 0;
  // Wine's ntdll exports: nullptr, and false, on Windows.
  virtual const char* wine_get_version() = 0;
  virtual bool wine_get_host_version(const char** systeme, const char** version) = 0;
};

}  // namespace sondes
