#pragma once
// A top-level window built from its description, owning its controls, fonts and image strips.
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "ui/Container.h"
#include "ui/FormRules.h"
#include "ui/ImageStrip.h"

namespace ui {

class Picture;

class Form : public Container {
 public:
  explicit Form(const FormDesc& desc);
  ~Form() override;

  const FormDesc& Description() const { return desc_; }
  Control* FindComponent(std::string_view name) const;
  // The control of that name, of that kind; a missing one is a fault of the description.
  template <class T>
  T* Component(std::string_view name) const {
    auto* c = dynamic_cast<T*>(FindComponent(name));
    if (!c) throw std::logic_error("control missing from the form description: " + std::string(name));
    return c;
  }

  // Raised once, when the form first goes from hidden to shown, before it is on the screen.
  std::function<void(Control* sender)> OnShow;
  void Show();
  // The show of a minimised start: on the taskbar, minimised, OnShow held back until the first restore.
  void ShowMinimizedDeferred();
  // Modal run: the main form takes no input until ModalResult is set; the form is then hidden. The focus
  // starts on the first control that takes it.
  int ShowModal();
  int ModalResult = 0;
  void Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

  // Moves the window's outer top-left corner there, in screen coordinates; while minimised, the place it
  // is restored to, and it stays minimised.
  void MoveTo(int left, int top);
  // The window's client area as it is now; a minimised window, which has none, answers with its layout's.
  int ClientWidth() const;
  int ClientHeight() const;

  // The dpi that the form is laid out at: its monitor's.
  int Dpi() const { return dpi_; }
  // A length of the description in the form's device pixels.
  int Scale(int length) const { return Scaled(length, dpi_); }
  // A control's rectangle of the description, in device pixels of its parent's client area.
  RECT Bounds(const ControlDesc& d) const;

  HFONT FontOf(FontStyle font) const { return fonts_[static_cast<int>(font)].get(); }
  // The image strip of that name, loaded on first use and shared by the controls that show it; made anew
  // when the form's dpi changes, so that a control keeps its name rather than the strip.
  ImageStrip& Strip(const char* name);
  // Shows `text` as a tooltip when the mouse rests on the control.
  void AddHint(HWND control, const std::wstring& text);
  // Sets or replaces a control's hint: a tooltip that wraps its lines and stays long enough to be read.
  // A picture with a hint takes the mouse instead of letting it through.
  void SetHint(Control& control, const std::wstring& text);
  // Runs `action` on Ctrl + `key` (a virtual-key code, 'C') wherever the focus is in the form.
  void AddShortcut(WORD key, std::function<void()> action);
  // The event loop's question for each message of the form's windows: true when it was a shortcut, run.
  bool TranslateShortcut(MSG& msg) const;
  // The event loop's question for each message of the form's windows, before the dialog manager's: true
  // when it was a key of the form's own, done. Ctrl+Tab and Ctrl+PgDn select the next tab of the form's tab
  // control, Ctrl+Shift+Tab and Ctrl+PgUp the previous one; Enter presses the picture button with the
  // focus; the navigation keys and Alt show the focus cues.
  bool TranslateKeyboard(const MSG& msg);
  // The control that takes the focus when the form is first activated (by default the first tab stop).
  // The focus goes back to the control that had it each time the form is activated again.
  void SetActiveControl(const Control& control);
  // Appends an item that runs `action` to the window's system menu.
  void AddSystemMenuItem(const std::wstring& caption, std::function<void()> action);
  // The picture that transparent controls show through (the form's background).
  Picture* Background() const { return background_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  void CreateFonts();
  // The client area that the description lays out, at the form's dpi: what the window's client area is
  // made to be.
  RECT LayoutClientArea() const;
  // The window's outer rectangle, at 0, 0, for the description's client area at that dpi.
  RECT OuterSize(int dpi) const;
  std::unique_ptr<ImageStrip> LoadStrip(const char* name) const;
  // Lays the form out again at another dpi, at the place the system suggests, and redraws it.
  void ChangeDpi(int dpi, const RECT& suggested);
  void ScaleHints();  // the hints' wrapping width and font at the form's dpi
  void SetIcon();
  void CenterOnScreen();
  void DoShow();
  // A shortcut's or a system menu item's command: run, and true, when it is one of this form's.
  bool RunCommand(UINT msg, WPARAM wp);
  WPARAM AddCommand(std::function<void()> action);  // its identifier
  // A tooltip window owned by the form, and the tool that shows `text` over one of its controls.
  HWND CreateTooltip() const;
  TTTOOLINFOW Tool(HWND control, const std::wstring& text) const;
  void SaveFocus();
  bool RestoreFocus();
  // Focus cues hidden until the keyboard is used, then shown, for the whole form.
  void HideFocusCues();
  void ShowFocusCues();

  const FormDesc& desc_;
  int dpi_;
  std::vector<std::unique_ptr<Control>> controls_;
  GdiObject<HFONT> fonts_[3];
  struct DestroyIconOf {
    void operator()(HICON icon) const { DestroyIcon(icon); }
  };
  using Icon = base::Proprietaire<HICON, DestroyIconOf>;
  Icon icons_[2];  // by ICON_SMALL, ICON_BIG
  std::map<std::string, std::unique_ptr<ImageStrip>, std::less<>> strips_;
  Picture* background_ = nullptr;
  HWND hints_ = nullptr;
  HWND longHints_ = nullptr;   // the hints set by SetHint
  GdiObject<HFONT> hintFont_;  // the hints' font on a monitor whose scale is not the screen's
  std::vector<HWND> hinted_;
  std::vector<std::function<void()>> commands_;  // by identifier (kFirstCommand + 16 * index)
  std::vector<ACCEL> shortcuts_;
  HACCEL accelerators_ = nullptr;
  HWND focus_ = nullptr;  // the control that gets the focus back when the form is activated
  bool shown_ = false;
  bool showPending_ = false;
  bool modal_ = false;
  int defaultId_ = 0;  // the default button's identifier, 0 for none
  // Where a minimised form was moved to; applied when it is restored.
  std::optional<POINT> restoredPlace_;
};

}  // namespace ui
