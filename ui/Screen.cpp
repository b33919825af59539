#include "ui/Screen.h"

#include "ui/Win.h"

namespace ui {

bool MultiMonitor() { return GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetMonitorInfoA") != nullptr; }

int DesktopWidth() { return GetSystemMetrics(MultiMonitor() ? SM_CXVIRTUALSCREEN : SM_CXSCREEN); }
int DesktopHeight() { return GetSystemMetrics(MultiMonitor() ? SM_CYVIRTUALSCREEN : SM_CYSCREEN); }

}  // namespace ui
