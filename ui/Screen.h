#pragma once
// The desktop as the framework reports it: the virtual screen, which spans all monitors.
namespace ui {

int DesktopWidth();
int DesktopHeight();
// Whether the user library supports several monitors; without it only the primary screen exists.
bool MultiMonitor();

}  // namespace ui
