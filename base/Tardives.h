#pragma once
// Every system function that the program finds at run time, in one table: its DLL, its name, its type, and
// what the program does where it is missing (an older Windows, or a DLL that only a command needs and that
// a plain start should not load). Each is resolved once, on its first use, through the system-DLL helper.
//
//   if (const auto f = base::tardives::GetDpiForWindow()) ... f(hwnd) ...; else the fallback.
#include <windows.h>

#include <commdlg.h>
#include <ntdef.h>
#include <shellapi.h>
#include <shlwapi.h>

namespace base::tardives {

// clang-format off
#define QUORVANE_TARDIVES(X)                                                                                         \
  /* DLL       name                            type                                                          fallback */ \
  X(kernel32, SetDefaultDllDirectories,       BOOL(WINAPI*)(DWORD),                                         "Windows 7 without KB2533623: the default search order")                 \
  X(kernel32, SetProcessInformation,          BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, void*, DWORD), "Windows 7: no timer throttling to opt out of")                          \
  X(kernel32, IsWow64Process2,                BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*),                     "before Windows 10 1511: no emulation to detect")                        \
  X(kernel32, GetSystemTimePreciseAsFileTime, void(WINAPI*)(FILETIME*),                                     "Windows 7: GetSystemTimeAsFileTime, tick-grained")                      \
  X(kernel32, AttachConsole,                  BOOL(WINAPI*)(DWORD),                                         "Windows 2000: no parent console")                                      \
  X(kernel32, GetConsoleProcessList,          DWORD(WINAPI*)(LPDWORD, DWORD),                               "Windows 2000: the twin keeps its console")                             \
  X(kernel32, SetFileInformationByHandle,     BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD), "before Vista: NtSetInformationFile, which it wraps")                 \
  X(kernel32, GetFinalPathNameByHandleW,      DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD),                 "before Vista: no file symbolic links, nothing to resolve")             \
  X(ntdll,    NtSetInformationFile,           LONG(WINAPI*)(HANDLE, void*, void*, ULONG, int),              "no rename or removal through a handle: the save's routes by name")     \
  X(ntdll,    RtlDosPathNameToNtPathName_U,   BOOLEAN(WINAPI*)(PCWSTR, UNICODE_STRING*, PWSTR*, void*),      "no rename through a handle")                                            \
  X(ntdll,    RtlFreeUnicodeString,           void(WINAPI*)(UNICODE_STRING*),                               "the converted path is not freed")                                      \
  X(ntdll,    RtlNtStatusToDosError,          ULONG(WINAPI*)(LONG),                                         "ERROR_GEN_FAILURE for any status")                                     \
  X(ntdll,    RtlGetVersion,                  LONG(WINAPI*)(OSVERSIONINFOEXW*),                             "Windows 9x: the version the program is told")                          \
  X(ntdll,    wine_get_version,               const char*(CDECL*)(),                                        "Windows: no Wine")                                                      \
  X(ntdll,    wine_get_host_version,          void(CDECL*)(const char**, const char**),                      "Windows: no Wine")                                                      \
  X(winmm,    timeBeginPeriod,                UINT(WINAPI*)(UINT),                                          "the default timer")                                                     \
  X(winmm,    timeEndPeriod,                  UINT(WINAPI*)(UINT),                                          "the default timer")                                                     \
  X(version,  GetFileVersionInfoSizeA,        DWORD(WINAPI*)(LPCSTR, LPDWORD),                              "no file version: no DirectX found by its files")                        \
  X(version,  GetFileVersionInfoA,            BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID),                  "no file version")                                                       \
  X(version,  VerQueryValueA,                 BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT),               "no file version")                                                       \
  X(user32,   GetMonitorInfoA,                BOOL(WINAPI*)(HMONITOR, LPMONITORINFO),                       "Windows 95 and NT 4: the desktop is the primary screen")               \
  X(user32,   GetDpiForWindow,                UINT(WINAPI*)(HWND),                                          "before Windows 10 1607: GetDpiForMonitor, else the screen's dpi")       \
  X(shcore,   GetDpiForMonitor,               HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*),                "before Windows 8.1: the screen's dpi")                                  \
  X(user32,   AdjustWindowRectExForDpi,       BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT),               "AdjustWindowRectEx, at the system's dpi")                               \
  X(user32,   GetSystemMetricsForDpi,         int(WINAPI*)(int, UINT),                                      "GetSystemMetrics, at the system's dpi")                                 \
  X(user32,   EnableNonClientDpiScaling,      BOOL(WINAPI*)(HWND),                                          "the frame is not scaled under per-monitor v1")                          \
  X(user32,   SystemParametersInfoForDpi,     BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT),                 "the hints keep the system's font")                                      \
  X(shell32,  CommandLineToArgvW,             LPWSTR*(WINAPI*)(LPCWSTR, int*),                              "no arguments: the window")                                              \
  X(shell32,  ShellExecuteW,                  HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT), "the help cannot be opened")                                     \
  X(shlwapi,  AssocQueryStringW,              HRESULT(WINAPI*)(ASSOCF, ASSOCSTR, LPCWSTR, LPCWSTR, LPWSTR, DWORD*), "no browser found for the help")                            \
  X(comdlg32, GetSaveFileNameW,               BOOL(WINAPI*)(LPOPENFILENAMEW),                               "no save dialog: nothing is exported") \
  X(kernel32, GetProductInfo,                 BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, PDWORD),            "before Vista: no edition, the product type alone")
// clang-format on

#define QUORVANE_DECLARER(dll, nom, type, repli) \
  using nom##F = type;                           \
  nom##F nom();
QUORVANE_TARDIVES(QUORVANE_DECLARER)
#undef QUORVANE_DECLARER

// The common controls' LoadIconWithScaleDown, from the comctl32 that the manifest's activation context
// loaded (version 6): the system directory's is version 5, which lacks it. Fallback: the loader's stretch.
using LoadIconWithScaleDownF = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
LoadIconWithScaleDownF LoadIconWithScaleDown();

// The runtime's own later imports (winpthreads' GetTickCount64 and vectored exception handlers) are
// answered in base/ImportsDuRuntime.cpp, which late-binds them outside this table: they may run before
// main and on any thread.

}  // namespace base::tardives
