#include "ui/System.h"

#include <shellapi.h>

#include "base/Tardives.h"

namespace ui {
namespace {

System gReal;
System* gSystem = &gReal;

}  // namespace

System& Sys() { return *gSystem; }
void SetSystem(System* system) { gSystem = system ? system : &gReal; }

BOOL System::GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
  return ::GetWindowPlacement(window, placement);
}

BOOL System::SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement) {
  return ::SetWindowPlacement(window, placement);
}

POINT System::WorkAreaOrigin(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return POINT{0, 0};
  return POINT{monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

BOOL System::SystemParametersInfoForDpi(UINT action, UINT param, void* value, UINT winIni, UINT dpi) {
  const auto f = base::tardives::SystemParametersInfoForDpi();
  return f ? f(action, param, value, winIni, dpi) : FALSE;
}

BOOL System::SystemParametersInfoW(UINT action, UINT param, void* value, UINT winIni) {
  return ::SystemParametersInfoW(action, param, value, winIni);
}

HRESULT System::AssocQueryStringW(ASSOCF options, ASSOCSTR what, const wchar_t* association, const wchar_t* verb,
                                  wchar_t* out, DWORD* size) {
  // Resolved on the first call, as in the two calls below.
  const auto f = base::tardives::AssocQueryStringW();
  return f ? f(options, what, association, verb, out, size) : E_NOTIMPL;
}

bool System::CreateProcessW(std::wstring line) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  base::Handle process(pi.hProcess), thread(pi.hThread);
  return true;
}

bool System::ShellExecuteW(HWND owner, const std::wstring& document) {
  const auto f = base::tardives::ShellExecuteW();
  return f && reinterpret_cast<INT_PTR>(f(owner, L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

BOOL System::GetSaveFileNameW(OPENFILENAMEW* dialog) {
  const auto f = base::tardives::GetSaveFileNameW();
  return f && f(dialog);
}

int System::MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
  return ::MessageBoxW(owner, text, caption, type);
}

BOOL System::OpenClipboard(HWND owner) { return ::OpenClipboard(owner); }
void System::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

LRESULT System::QueryUIState(HWND window) { return SendMessageW(window, WM_QUERYUISTATE, 0, 0); }

void System::ChangeUIState(HWND window, WORD action, WORD flags) {
  SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(action, flags), 0);
}

}  // namespace ui
