#pragma once
// Base of every control of the kit: one real Win32 child window, found again from its handle.
#include <string>

#include "ui/FormDescription.h"
#include "ui/Win.h"

namespace ui {

class Form;
class Container;

// What a control needs to create its window: its row of the description and where it lives.
struct CreateParams {
  const ControlDesc& desc;
  Form& form;
  HWND parent;
  int id;
  HFONT font;
  RECT bounds;  // the row's rectangle at the form's scale, in device pixels
};

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return hwnd_; }
  const std::string& Name() const { return name_; }

  std::wstring Text() const;
  virtual void SetText(const std::wstring& text);

  // Geometry in the parent's client coordinates.
  RECT BoundsRect() const;
  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

  // Takes the place and the font of its row at a new scale of its form.
  virtual void Rescale(const RECT& bounds, HFONT font);

  // Notifications that Windows sends to the parent, handed back to the control they concern.
  virtual HBRUSH HandleCtlColor(HDC) { return nullptr; }
  virtual bool HandleDrawItem(const DRAWITEMSTRUCT&) { return false; }
  virtual void HandleCommand(WORD) {}
  virtual bool HandleNotify(const NMHDR&, LRESULT&) { return false; }

  static Control* FromHandle(HWND hwnd);

 protected:
  // Window procedure of the kit's own window classes: messages go to the WndProc of the window's object.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static void RegisterWindowClass(const wchar_t* className, UINT style = 0);
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }
  // Repaints the window after a change. One not on the screen (its form or its page hidden) has nothing to
  // redraw, as its first showing paints it whole; under Wine each request is a trip to its server.
  void Redraw() const {
    if (IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, TRUE);
  }
  // Whether the window's UI state shows focus cues: hidden until the keyboard is used in its form.
  bool FocusShown() const;

  explicit Control(std::string name) : name_(std::move(name)) {}
  // Creates the child window described by the row and ties it to this object, at the row's scaled
  // rectangle, or at its place with `size` (device pixels) when given.
  void CreateWnd(const CreateParams& c, const wchar_t* className, DWORD style, DWORD exStyle = 0,
                 const SIZE* size = nullptr);
  void Attach(HWND hwnd);

  HWND hwnd_ = nullptr;
  std::string name_;
};

}  // namespace ui
