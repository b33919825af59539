#include "ui/Dpi.h"

#include "base/DllSysteme.h"

namespace ui {
namespace {

// The declarations of Windows 10 1607, which the headers give only to programs that require it.
using GetDpiForWindowF = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiF = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiF = int(WINAPI*)(int, UINT);

int ScreenDpi() { return GetDeviceCaps(MeasureDc(), LOGPIXELSY); }

}  // namespace

int DpiOf(HWND window) {
  if (!window) return ScreenDpi();
  static const auto forWindow = base::FonctionSysteme<GetDpiForWindowF>(L"user32.dll", "GetDpiForWindow");
  if (forWindow)
    if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
  // MDT_EFFECTIVE_DPI; the shell's scaling library exists from Windows 8.1 on.
  using ForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto forMonitor = base::FonctionSysteme<ForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) && y)
    return static_cast<int>(y);
  return ScreenDpi();
}

RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi) {
  static const auto forDpi =
      base::FonctionSysteme<AdjustWindowRectExForDpiF>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (!forDpi || !forDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  return client;
}

int MetricAt(int index, int dpi) {
  static const auto forDpi = base::FonctionSysteme<GetSystemMetricsForDpiF>(L"user32.dll", "GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

}  // namespace ui
