#include "ui/TabControl.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {
namespace {

constexpr int kTabTop = 5;  // top of a tab not on show
constexpr int kMargin = 9;  // blank on each side of a caption
constexpr int kMinWidth = 36;
constexpr int kGap = 1;  // between two tabs

}  // namespace

TabControl::TabControl(const CreateParams& c)
    : Control(c.desc.name), form_(c.form), style_(LoadTheme(kTheme, ProgramFolder())) {
  CreateWnd(c, WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP);
  // The control keeps its items, selection, keyboard and notifications; drawing and hitting the tabs
  // are the skin's, so that they agree with each other and with the offset of the first tab. Subclassed
  // by its window procedure: SetWindowSubclass is comctl32 6's, which Windows 2000 lacks.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  control_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
}

TabControl::~TabControl() {
  if (hwnd_ && control_) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  }
}

LRESULT TabControl::Default(UINT msg, WPARAM wp, LPARAM lp) { return CallWindowProcW(control_, hwnd_, msg, wp, lp); }

std::unique_ptr<Panel> TabControl::CreatePage(const CreateParams& c) {
  // Made as they are kept, rather than hidden and disabled afterwards.
  const bool first = pages_.empty();
  ControlDesc desc = c.desc;
  if (!first) desc.options |= kHidden;
  auto page = std::make_unique<Panel>(CreateParams{desc, c.form, c.parent, c.id, c.font, c.bounds}, L"TTabSheet",
                                      RGB(255, 255, 255), first ? 0 : WS_DISABLED);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(desc.text);
  SendMessageW(hwnd_, TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
  pages_.push_back(page.get());
  captions_.emplace_back(desc.text);
  Layout();
  if (first) active_ = 0;
  return page;
}

void TabControl::Activate(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  if (index == active_) return;
  if (SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0) != index)
    SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  Panel* next = pages_[static_cast<size_t>(index)];
  EnableWindow(next->Handle(), TRUE);
  SetWindowPos(next->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  if (active_ >= 0) {
    Panel* previous = pages_[static_cast<size_t>(active_)];
    EnableWindow(previous->Handle(), FALSE);
    ShowWindow(previous->Handle(), SW_HIDE);
  }
  active_ = index;
}

bool TabControl::HandleNotify(const NMHDR& nm, LRESULT& result) {
  if (nm.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  Activate(Selected());
  result = 0;
  return true;
}

void TabControl::Layout() {
  tabs_.clear();
  HDC dc = MeasureDc();
  {
    SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    int x = form_.Scale(style_.offset);
    for (const std::wstring& caption : captions_) {
      SIZE size{};
      GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
      const int width = std::max(form_.Scale(kMinWidth), static_cast<int>(size.cx) + 2 * form_.Scale(kMargin));
      tabs_.push_back(RECT{x, form_.Scale(kTabTop), x + width, form_.Scale(kBodyTop) + 1});
      x += width + form_.Scale(kGap);
    }
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

int TabControl::HitTab(POINT p) const {
  // The tab on show stands higher than the others, as it is drawn.
  const auto chosen = static_cast<size_t>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
  for (size_t i = 0; i < tabs_.size(); ++i) {
    RECT r = tabs_[i];
    if (i == chosen) r.top -= form_.Scale(kRaise);
    if (PtInRect(&r, p)) return static_cast<int>(i);
  }
  return -1;
}

void TabControl::SelectAsClicked(int index) {
  const int id = GetDlgCtrlID(hwnd_);
  NMHDR nm{hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(TCN_SELCHANGING)};
  if (SendMessageW(GetParent(hwnd_), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&nm))) return;
  Default(TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  InvalidateRect(hwnd_, nullptr, FALSE);
  nm.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageW(GetParent(hwnd_), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&nm));
}

LRESULT CALLBACK TabControl::Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TabControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return self->Intercept(msg, wp, lp);
  } catch (...) {
    HandleCurrentException();
    return self->Default(msg, wp, lp);
  }
}

LRESULT TabControl::Intercept(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      Paint(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wp)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      SetFocus(hwnd_);
      const int index = HitTab(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      if (index >= 0 && index != Selected()) SelectAsClicked(index);
      return 0;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: return 0;  // no hot face
    case TCM_GETITEMRECT: {
      const auto index = static_cast<size_t>(wp);
      if (index >= tabs_.size() || !lp) return FALSE;
      *reinterpret_cast<RECT*>(lp) = tabs_[index];
      return TRUE;
    }
    case TCM_HITTEST: {
      auto& attempt = *reinterpret_cast<TCHITTESTINFO*>(lp);
      const int index = HitTab(attempt.pt);
      attempt.flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEM;
      return index;
    }
    case WM_SETFONT:
    case TCM_SETCURSEL:
    case WM_KEYDOWN:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
      // The control redraws only the parts it knows of; the skin redraws the whole strip.
      const LRESULT result = Default(msg, wp, lp);
      if (msg == WM_SETFONT) Layout();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return result;
    }
  }
  return Default(msg, wp, lp);
}

}  // namespace ui
