#pragma once
// The desktop as the framework reports it: the virtual screen, which spans all monitors, in pixels (the
// program is DPI aware, so the system does not give it logical sizes).
namespace ui {

int DesktopWidth();
int DesktopHeight();

}  // namespace ui
