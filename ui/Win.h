#pragma once
// Windows headers in one place for the kit, and its GDI owners.
#include <windows.h>
#include <commctrl.h>

#include "base/Handle.h"
#include "base/Texte.h"

#include <string>

namespace ui {

// The folder of the running program, without a final backslash.
std::wstring ProgramFolder();

// One memory device context measures every text of the kit: a window's own DC costs far more under Wine,
// and a measure needs no screen. Select a font into it for the measure, and the previous one back after.
HDC MeasureDc();

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
// Owner of one GDI object (font, brush, bitmap), deleted with it.
template <class T>
using GdiObject = base::Proprietaire<T, DeleteGdiObject>;

// Selects an object into a device context for the lifetime of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ui
