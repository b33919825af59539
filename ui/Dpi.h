#pragma once
// The scale of the kit. Descriptions are written in pixels of a 96-dpi screen; the kit turns them into
// device pixels when it makes or lays out a window, with one rounding rule (ui/FormRules.h). The calls
// that tell a window's dpi are newer than Windows 7 and are found at run time, so that the program still
// starts there.
#include "ui/FormRules.h"
#include "ui/Win.h"

namespace ui {

// The dpi of the monitor that the window is on: GetDpiForWindow (Windows 10 1607), GetDpiForMonitor
// (Windows 8.1), else the screen's one dpi (system awareness). nullptr: the screen's one dpi, where a new
// window goes before it has a monitor.
int DpiOf(HWND window);

// The outer rectangle of a window of that style whose client area is `client`, with the frame and
// caption of that dpi (AdjustWindowRectExForDpi), or of the screen's dpi where the system has no other.
RECT OuterRect(RECT client, DWORD style, DWORD exStyle, int dpi);

// A system metric at that dpi (GetSystemMetricsForDpi), or at the screen's dpi where the system has no other.
int MetricAt(int index, int dpi);

}  // namespace ui
