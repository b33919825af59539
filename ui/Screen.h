#pragma once
// The desktop as the framework reports it: the virtual screen, which spans all monitors.
namespace ui {

int DesktopWidth();
int DesktopHeight();

}  // namespace ui
