#include "ui/Form.h"

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

GdiObject<HFONT> FontOfFace(int pixels, bool bold, bool underline, const wchar_t* face) {
  // A negative height is the character height in pixels.
  return GdiObject<HFONT>(CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face));
}

// A line of the letters, digits and colon of the captions.
constexpr wchar_t kSample[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 :";

int SampleWidth(HFONT font) {
  SIZE size{};
  HDC dc = MeasureDc();
  SelectedObject selected(dc, font);
  GetTextExtentPoint32W(dc, kSample, static_cast<int>(std::size(kSample) - 1), &size);
  return size.cx;
}

GdiObject<HFONT> CreateFontOf(int height, bool bold, bool underline, int dpi) {
  // "MS Sans Serif" is a bitmap font made for 96 dpi, with few sizes; at any other scale its outline twin
  // draws the text. The twin is a little wider than the bitmap font at some sizes, and the layout leaves
  // no room for that (a caption may end where its value begins): it is taken at the largest height, up to
  // the scaled one, whose text is no wider than the bitmap font's scaled.
  GdiObject<HFONT> bitmap = FontOfFace(height, bold, underline, L"MS Sans Serif");
  if (dpi == kDesignDpi) return bitmap;
  // Measured here rather than written down: the system's bitmap font and Wine's are not the same.
  const int room = Scaled(SampleWidth(bitmap.get()), dpi);
  for (int pixels = Scaled(height, dpi);; --pixels) {
    GdiObject<HFONT> font = FontOfFace(pixels, bold, underline, L"Microsoft Sans Serif");
    if (pixels <= height || SampleWidth(font.get()) <= room) return font;
  }
}

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
  const bool main = !Application || !Application->MainForm();
  const DWORD style = StyleOf(desc.border) | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_CONTROLPARENT | (main ? WS_EX_APPWINDOW : WS_EX_DLGMODALFRAME);
  const RECT r = OuterRect(LayoutClientArea(), style, exStyle, dpi_);
  HWND owner = main ? nullptr : Application->MainForm()->Handle();
  CreateWindowExW(exStyle, desc.className, desc.caption, style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                  r.bottom - r.top, owner, nullptr, GetModuleHandleW(nullptr), static_cast<Control*>(this));
  // Made at the screen's dpi; a monitor of another scale gets its own size before anything is in it.
  if (const int dpi = DpiOf(hwnd_); dpi != dpi_) {
    dpi_ = dpi;
    const RECT o = OuterRect(LayoutClientArea(), style, exStyle, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, o.right - o.left, o.bottom - o.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CreateFonts();
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(FontStyle::Regular)), FALSE);
  if (main) SetIcon();
  CreateControls();
  HideFocusCues();
}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void Form::CreateFonts() {
  fonts_[static_cast<int>(FontStyle::Regular)] = CreateFontOf(11, false, false, dpi_);
  fonts_[static_cast<int>(FontStyle::Heading)] = CreateFontOf(13, true, true, dpi_);
  fonts_[static_cast<int>(FontStyle::Bold)] = CreateFontOf(13, true, false, dpi_);
}

RECT Form::LayoutClientArea() const {
  const PixelSize size = ScaledClient(desc_, dpi_);
  return RECT{0, 0, size.width, size.height};
}

RECT Form::OuterSize(int dpi) const {
  const PixelSize size = ScaledClient(desc_, dpi);
  return OuterRect(RECT{0, 0, size.width, size.height}, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                   static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi);
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

std::unique_ptr<ImageStrip> Form::LoadStrip(const char* name) const {
  int width = 0, height = 0;
  for (const ImageStripDesc& d : desc_.strips)
    if (std::string_view(d.name) == name) width = d.width, height = d.height;
  return std::make_unique<ImageStrip>(name, width, height, dpi_);
}

ImageStrip& Form::Strip(const char* name) {
  auto it = strips_.find(name);
  if (it != strips_.end()) return *it->second;
  return *strips_.emplace(name, LoadStrip(name)).first->second;
}

void Form::ChangeDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  // The old fonts stay selected in the controls until each one has taken its new font.
  GdiObject<HFONT> previous[3];
  for (size_t i = 0; i < std::size(fonts_); ++i) previous[i] = std::move(fonts_[i]);
  CreateFonts();
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(FontStyle::Regular)), FALSE);
  // The controls ask for their strip by name each time they draw.
  for (auto& [name, strip] : strips_) strip = LoadStrip(name.c_str());
  for (size_t i = 0; i < controls_.size(); ++i) {
    const ControlDesc& d = desc_.controls[i];
    controls_[i]->Rescale(Bounds(d), FontOf(d.font));
  }
  ScaleHints();
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

HWND Form::CreateTooltip() const {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TTTOOLINFOW Form::Tool(HWND control, const std::wstring& text) const {
  // The tooltip watches the control's own mouse messages.
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  return tool;
}

void Form::AddHint(HWND control, const std::wstring& text) {
  if (!hints_) {
    hints_ = CreateTooltip();
    ScaleHints();
  }
  TTTOOLINFOW tool = Tool(control, text);
  SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::DoShow() {
  shown_ = true;
  if (!OnShow) return;
  try {
    OnShow(this);
  } catch (...) {
    HandleCurrentException();
  }
}

void Form::Show() {
  if (!shown_ && desc_.position == FormPosition::ScreenCenter) CenterOnScreen();
  if (!shown_) DoShow();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

void Form::ShowMinimizedDeferred() {
  showPending_ = true;
  ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
}

void Form::MoveTo(int left, int top) {
  if (IsIconic(hwnd_)) {
    // Minimised: move the place it will be restored to, and stay minimised. The placement takes workspace
    // coordinates, which a taskbar at the top or the left shifts from the screen's.
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    Sys().GetWindowPlacement(hwnd_, &wp);
    const POINT origin = Sys().WorkAreaOrigin(hwnd_);
    OffsetRect(&wp.rcNormalPosition, left - origin.x - wp.rcNormalPosition.left,
               top - origin.y - wp.rcNormalPosition.top);
    wp.showCmd = SW_SHOWMINNOACTIVE;
    Sys().SetWindowPlacement(hwnd_, &wp);
    // A restore under way may have read the old place already (the show handler of a minimised start
    // runs inside it): the restore's own move is corrected when it comes.
    restoredPlace_ = POINT{left, top};
  } else {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int Form::ClientWidth() const {
  RECT r;
  if (IsIconic(hwnd_) || !GetClientRect(hwnd_, &r)) return LayoutClientArea().right;
  return r.right;
}

int Form::ClientHeight() const {
  RECT r;
  if (IsIconic(hwnd_) || !GetClientRect(hwnd_, &r)) return LayoutClientArea().bottom;
  return r.bottom;
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  const bool main = Application && Application->MainForm() == this;
  switch (msg) {
    case WM_NCCREATE: {
      // Per-monitor v1 (Windows 10 1607) scales the frame and caption only for a window that asks; v2 does
      // it for every window, and earlier systems have no such call.
      if (const auto enable = base::tardives::EnableNonClientDpiScaling()) enable(hwnd_);
      break;
    }
    case WM_CLOSE:
      if (main)
        Application->Terminate();
      else if (modal_)
        ModalResult = 2;  // cancel
      else
        ShowWindow(hwnd_, SW_HIDE);
      return 0;
    case WM_SIZE:
      if (main) Application->MirrorMinimized(wp == SIZE_MINIMIZED);
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
      if (lp == 0 && RunCommand(msg, wp)) return 0;
      break;
    case WM_SYSCOMMAND:
      if (RunCommand(msg, wp)) return 0;
      break;
    case WM_ACTIVATE:
      // As a dialog does: the focus leaves with the activation and comes back to the control that had it.
      if (LOWORD(wp) == WA_INACTIVE)
        SaveFocus();
      else if (!HIWORD(wp) && RestoreFocus())
        return 0;
      break;
    case WM_SETFOCUS:
      if (RestoreFocus()) return 0;
      break;
    case WM_CANCELMODE:
      // Sent as a modal box disables the form, which may take the focus from its control before the box
      // takes the activation.
      SaveFocus();
      break;
    case WM_UPDATEUISTATE: {
      const LRESULT result = Container::WndProc(msg, wp, lp);  // the children take the new state
      if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) InvalidateRect(focus, nullptr, FALSE);
      return result;
    }
    case DM_GETDEFID:
      // The dialog manager asks for the button that Enter presses.
      return defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    case kGetDpiScaledSize: {
      // Asked before a move to a monitor of another scale (Windows 10 1703): the layout's own size there.
      const RECT outer = OuterSize(static_cast<int>(wp));
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
