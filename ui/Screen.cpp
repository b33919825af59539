#include "ui/Screen.h"

#include "ui/Win.h"

namespace ui {

bool MultiEcran() { return GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetMonitorInfoA") != nullptr; }

int LargeurBureau() { return GetSystemMetrics(MultiEcran() ? SM_CXVIRTUALSCREEN : SM_CXSCREEN); }
int HauteurBureau() { return GetSystemMetrics(MultiEcran() ? SM_CYVIRTUALSCREEN : SM_CYSCREEN); }

}  // namespace ui
