#include "ui/Dpi.h"

#include "base/Tardives.h"

namespace ui {
namespace {

int ScreenDpi() { return GetDeviceCaps(MeasureDc(), LOGPIXELSY); }

}  // namespace

int DpiOf(HWND window) {
  if (!window) return ScreenDpi();
  if (const auto forWindow = base::tardives::GetDpiForWindow())
    if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
  // MDT_EFFECTIVE_DPI; the shell's scaling library exists from Windows 8.1 on.
  const auto forMonitor = base::tardives::GetDpiForMonitor();
  UINT x = 0, y = 0;
  if (forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) && y)
    return static_cast<int>(y);
  return ScreenDpi();
}

RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi) {
  const auto forDpi = base::tardives::AdjustWindowRectExForDpi();
  if (!forDpi || !forDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  return client;
}

int MetricAt(int index, int dpi) {
  const auto forDpi = base::tardives::GetSystemMetricsForDpi();
  return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

}  // namespace ui
