#include "ui/Form.h"

#include <utility>

#include "base/Tardives.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Dpi.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/Picture.h"
#include "ui/PictureButton.h"
#include "ui/StatusBar.h"
#include "ui/System.h"
#include "ui/TabControl.h"

namespace ui {
namespace {

// WM_GETDPISCALEDSIZE (Windows 10 1703), which the headers give only to programs that require it.
constexpr UINT kGetDpiScaledSize = 0x02E4;

DWORD StyleOf(BorderStyle b) {
  return b == BorderStyle::Single ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                                  : WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
}

}  // namespace

Form::Form(const FormDesc& desc)
    : Container(std::string(), GetSysColor(COLOR_BTNFACE)), desc_(desc), dpi_(DpiOf(nullptr)) {
  RegisterWindowClass(desc.className, CS_DBLCLKS);
  const bool mainWindow = desc.border == BorderStyle::Single;
  const DWORD style = StyleOf(desc.border) | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_CONTROLPARENT | (mainWindow ? WS_EX_APPWINDOW : WS_EX_DLGMODALFRAME);
  const RECT r = OuterRect(LayoutClientArea(), style, exStyle, dpi_);
  const Form* owner = mainWindow || !Application ? nullptr : Application->MainForm();
  CreateWindowExW(exStyle, desc.className, desc.caption, style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                  r.bottom - r.top, owner ? owner->Handle() : nullptr, nullptr, GetModuleHandleW(nullptr),
                  static_cast<Control*>(this));
  // Made at the screen's dpi; a monitor of another scale gets its own size before anything is in it.
  if (const int dpi = DpiOf(hwnd_); dpi != dpi_) {
    dpi_ = dpi;
    const RECT o = OuterRect(LayoutClientArea(), style, exStyle, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, o.right - o.left, o.bottom - o.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // First, so that the pictures at another scale are made while the windows are.
  strips_.Load(dpi_);
  fonts_ = FormFonts(dpi_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(FontStyle::Regular)), FALSE);
  if (mainWindow) SetIcon();
  CreateControls();
  keyboard_.HideCues();
}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool Form::IsMain() const { return Application && Application->MainForm() == this; }

RECT Form::LayoutClientArea() const {
  const PixelSize size = ScaledClient(desc_, dpi_);
  return RECT{0, 0, size.width, size.height};
}

RECT Form::Bounds(const ControlDesc& d) const {
  const PixelBox b = ScaledBounds(d, dpi_);
  return RECT{b.left, b.top, b.right, b.bottom};
}

void Form::CreateControls() {
  std::vector<HWND> pictures;
  for (size_t i = 0; i < desc_.controls.size(); ++i) {
    const ControlDesc& d = desc_.controls[i];
    Control* parent = d.parent ? FindComponent(d.parent) : this;
    if (!parent) throw std::logic_error(std::string("parent missing from the form description: ") + d.parent);
    const CreateParams c{d, *this, parent->Handle(), kFirstControlId + static_cast<int>(i), FontOf(d.font), Bounds(d)};
    std::unique_ptr<Control> control;
    switch (d.kind) {
      case Kind::Picture: {
        auto picture = std::make_unique<Picture>(c);
        if (!background_ && !d.parent && d.index < 0) background_ = picture.get();
        pictures.push_back(picture->Handle());
        control = std::move(picture);
        break;
      }
      case Kind::PictureButton: control = std::make_unique<PictureButton>(c); break;
      case Kind::Memo: control = std::make_unique<Memo>(c); break;
      case Kind::StatusBar: control = std::make_unique<StatusBar>(c); break;
      case Kind::Tabs: control = std::make_unique<TabControl>(c); break;
      case Kind::TabPage: {
        auto* tabs = dynamic_cast<TabControl*>(parent);
        if (!tabs) throw std::logic_error(std::string("a tab page must lie on a tab control: ") + d.name);
        control = tabs->CreatePage(c);
        break;
      }
      case Kind::Label: control = std::make_unique<Label>(c); break;
      case Kind::Panel: control = std::make_unique<Panel>(c, L"TPanel", Color()); break;
      case Kind::Button:
        if (d.options & kDefault) defaultId_ = c.id;
        control = std::make_unique<Button>(c);
        break;
    }
    controls_.push_back(std::move(control));
  }
  // Pictures are painted surfaces: they go under the other controls of their parent (the first created
  // lowest), so that an overlapping label or button is never covered by a picture's edge.
  for (auto it = pictures.rbegin(); it != pictures.rend(); ++it)
    SetWindowPos(*it, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Control* Form::FindComponent(std::string_view name) const {
  for (const auto& c : controls_)
    if (c->Name() == name) return c.get();
  return nullptr;
}

void Form::ChangeDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  // The old fonts stay selected in the controls until each one has taken its new font.
  const FormFonts previous = std::exchange(fonts_, FormFonts(dpi_));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(FontStyle::Regular)), FALSE);
  // The controls ask for their strip by name each time they draw.
  strips_.Load(dpi_);
  for (size_t i = 0; i < controls_.size(); ++i) {
    const ControlDesc& d = desc_.controls[i];
    controls_[i]->Rescale(Bounds(d), FontOf(d.font));
  }
  hints_.Rescale();
  if (icons_[ICON_SMALL] || icons_[ICON_BIG]) SetIcon();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The rectangle offered is the old window scaled as a whole, which misses the layout's client area by a
  // pixel, or by the frame where the frame keeps its size (per-monitor v1, Wine): the frame as it is now,
  // around the layout's client area.
  RECT window, client;
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  const RECT layout = LayoutClientArea();
  if (client.right != layout.right || client.bottom != layout.bottom)
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + layout.right - client.right,
                 window.bottom - window.top + layout.bottom - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (const auto handled = keyboard_.OnMessage(msg, wp)) return *handled;
  switch (msg) {
    case WM_NCCREATE: {
      // Per-monitor v1 (Windows 10 1607) scales the frame and caption only for a window that asks; v2 does
      // it for every window, and earlier systems have no such call.
      if (const auto enable = base::tardives::EnableNonClientDpiScaling()) enable(hwnd_);
      break;
    }
    case WM_CLOSE:
      if (IsMain())
        Application->Terminate();
      else if (modal_.Running())
        ModalResult = 2;  // cancel
      else
        ShowWindow(hwnd_, SW_HIDE);
      return 0;
    case WM_SIZE:
      if (IsMain()) Application->MirrorMinimized(wp == SIZE_MINIMIZED);
      break;
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      if (restoredPlace_ && !IsIconic(hwnd_) && !(pos->flags & SWP_NOMOVE)) {
        pos->x = restoredPlace_->x;
        pos->y = restoredPlace_->y;
        restoredPlace_.reset();
      }
      break;
    }
    case WM_COMMAND:  // from a shortcut; a control's notification carries its window
      if (lp == 0 && commands_.Run(msg, wp)) return 0;
      break;
    case WM_SYSCOMMAND:
      if (commands_.Run(msg, wp)) return 0;
      break;
    case WM_UPDATEUISTATE: {
      const LRESULT result = Container::WndProc(msg, wp, lp);  // the children take the new state
      keyboard_.CuesChanged();
      return result;
    }
    case DM_GETDEFID:
      // The dialog manager asks for the button that Enter presses.
      return defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    case kGetDpiScaledSize: {
      // Asked before a move to a monitor of another scale (Windows 10 1703): the layout's own size there.
      const PixelSize size = ScaledClient(desc_, static_cast<int>(wp));
      const RECT outer =
          OuterRect(RECT{0, 0, size.width, size.height}, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                    static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), static_cast<int>(wp));
      *reinterpret_cast<SIZE*>(lp) = SIZE{outer.right - outer.left, outer.bottom - outer.top};
      return TRUE;
    }
    case WM_DPICHANGED:
      // Moved to a monitor of another scale: the same layout at the new one, in the rectangle offered.
      ChangeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_QUERYOPEN:
      // First restore after a minimised start: the show handler runs before the window comes up.
      if (showPending_) {
        showPending_ = false;
        DoShow();
      }
      return TRUE;
  }
  return Container::WndProc(msg, wp, lp);
}

}  // namespace ui
