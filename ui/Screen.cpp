#include "ui/Screen.h"

#include "base/Tardives.h"
#include "ui/Win.h"

namespace ui {
namespace {

// Whether the user library supports several monitors; without it only the primary screen exists.
bool MultiMonitor() { return base::tardives::GetMonitorInfoA() != nullptr; }

}  // namespace

int DesktopWidth() { return GetSystemMetrics(MultiMonitor() ? SM_CXVIRTUALSCREEN : SM_CXSCREEN); }
int DesktopHeight() { return GetSystemMetrics(MultiMonitor() ? SM_CYVIRTUALSCREEN : SM_CYSCREEN); }

}  // namespace ui
