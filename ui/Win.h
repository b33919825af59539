#pragma once
// Windows headers in one place for the kit, and its GDI owners.
#include <windows.h>
#include <commctrl.h>

#include "base/Handle.h"
#include "base/Texte.h"

#include <string>
#include <utility>

namespace ui {

// The folder of the running program, without a final backslash.
std::wstring ProgramFolder();

// One memory device context measures every text of the kit: a window's own DC costs far more under Wine,
// and a measure needs no screen. Select a font into it for the measure, and the previous one back after.
HDC MeasureDc();

// Owner of one GDI object (font, brush, bitmap), deleted with it.
template <class T>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(T h) : h_(h) {}
  GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) {
      Liberer();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Liberer(); }
  T get() const { return h_; }
  T Detach() { return std::exchange(h_, nullptr); }  // the caller becomes the owner
  explicit operator bool() const { return h_ != nullptr; }

 private:
  void Liberer() {
    if (h_) DeleteObject(h_);
    h_ = nullptr;
  }
  T h_ = nullptr;
};

// Selects an object into a device context for the lifetime of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), ancien_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, ancien_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ ancien_;
};

}  // namespace ui
