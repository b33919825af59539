#pragma once
// A top-level window built from its description: it makes and lays out its controls, and owns them with
// their fonts and image strips, its hints, its commands, its keyboard handling and its modal run.
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "ui/Container.h"
#include "ui/Fonts.h"
#include "ui/FormCommands.h"
#include "ui/FormHints.h"
#include "ui/FormKeyboard.h"
#include "ui/FormRules.h"
#include "ui/FormStrips.h"
#include "ui/ModalRun.h"

namespace ui {

class Picture;

class Form : public Container {
 public:
  // A form of BorderStyle::Single is a main window, with its own taskbar button and the program's icon; one
  // of BorderStyle::Dialog is owned by the application's main form, if there is one yet.
  explicit Form(const FormDesc& desc);
  ~Form() override;

  const FormDesc& Description() const { return desc_; }
  // The controls, in the order of the description's rows.
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
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
  // Modal run (ModalRun): the main form takes no input until ModalResult is set; the form is then hidden.
  int ShowModal() { return modal_.Run(); }
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

  HFONT FontOf(FontStyle font) const { return fonts_.Of(font); }
  // The image strip of that name, shared by the controls that show it (FormStrips); made anew when the
  // form's dpi changes, so that a control keeps its name rather than the strip.
  ImageStrip& Strip(const char* name) { return strips_.Get(name); }
  // The picture that transparent controls show through (the form's background).
  Picture* Background() const { return background_; }

  FormHints& Hints() { return hints_; }
  FormCommands& Commands() { return commands_; }
  FormKeyboard& Keyboard() { return keyboard_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  // The client area that the description lays out, at the form's dpi: what the window's client area is
  // made to be.
  RECT LayoutClientArea() const;
  // Lays the form out again at another dpi, at the place the system suggests, and redraws it.
  void ChangeDpi(int dpi, const RECT& suggested);
  void SetIcon();
  void CenterOnScreen();
  void DoShow();
  bool IsMain() const;

  const FormDesc& desc_;
  int dpi_;
  FormFonts fonts_;
  std::vector<std::unique_ptr<Control>> controls_;
  struct DestroyIconOf {
    void operator()(HICON icon) const { DestroyIcon(icon); }
  };
  using Icon = base::Proprietaire<HICON, DestroyIconOf>;
  Icon icons_[2];  // by ICON_SMALL, ICON_BIG
  FormStrips strips_{desc_};
  Picture* background_ = nullptr;
  FormHints hints_{*this};
  FormCommands commands_{*this};
  FormKeyboard keyboard_{*this};
  ModalRun modal_{*this};
  bool shown_ = false;
  bool showPending_ = false;
  int defaultId_ = 0;  // the default button's identifier, 0 for none
  // Where a minimised form was moved to; applied when it is restored.
  std::optional<POINT> restoredPlace_;
};

}  // namespace ui
