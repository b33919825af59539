#pragma once
// The colour the screen shows at a point of a window's client area; shared by the Windows-side tests.
#include <windows.h>

inline COLORREF PixelEcran(HWND fenetre, int x, int y) {
  POINT p{x, y};
  ClientToScreen(fenetre, &p);
  HDC ecran = GetDC(nullptr);
  const COLORREF c = GetPixel(ecran, p.x, p.y);
  ReleaseDC(nullptr, ecran);
  return c;
}
