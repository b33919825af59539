#include "ui/Screen.h"

#include "base/DllSysteme.h"
#include "ui/Win.h"

namespace ui {
namespace {

// Whether the user library supports several monitors; without it only the primary screen exists.
bool MultiMonitor() {
  static const bool multi = base::AdresseSysteme(L"user32.dll", "GetMonitorInfoA") != nullptr;
  return multi;
}

}  // namespace

int DesktopWidth() { return GetSystemMetrics(MultiMonitor() ? SM_CXVIRTUALSCREEN : SM_CXSCREEN); }
int DesktopHeight() { return GetSystemMetrics(MultiMonitor() ? SM_CYVIRTUALSCREEN : SM_CYSCREEN); }

}  // namespace ui
