#include "ui/Screen.h"

#include "ui/Win.h"

namespace ui {
namespace {

// Without multiple-monitor support in the user library, only the primary screen exists.
bool MultiEcran() { return GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetMonitorInfoA") != nullptr; }

}  // namespace

int LargeurBureau() { return GetSystemMetrics(MultiEcran() ? SM_CXVIRTUALSCREEN : SM_CXSCREEN); }
int HauteurBureau() { return GetSystemMetrics(MultiEcran() ? SM_CYVIRTUALSCREEN : SM_CYSCREEN); }

}  // namespace ui
