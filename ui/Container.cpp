#include "ui/Container.h"

namespace ui {

void Container::SetColor(COLORREF color) {
  color_ = color;
  brush_ = GdiObject<HBRUSH>(CreateSolidBrush(color));
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Container::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, Brush());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
      auto dc = reinterpret_cast<HDC>(wp);
      if (Control* c = FromHandle(reinterpret_cast<HWND>(lp)))
        if (HBRUSH b = c->HandleCtlColor(dc)) return reinterpret_cast<LRESULT>(b);
      // A child without a colour of its own is drawn on this container's colour.
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(Brush());
    }
    case WM_DRAWITEM: {
      const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (Control* c = FromHandle(dis.hwndItem); c && c->HandleDrawItem(dis)) return TRUE;
      break;
    }
    case WM_COMMAND:
      if (Control* c = lp ? FromHandle(reinterpret_cast<HWND>(lp)) : nullptr) {
        c->HandleCommand(HIWORD(wp));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto& nm = *reinterpret_cast<const NMHDR*>(lp);
      LRESULT result = 0;
      if (Control* c = FromHandle(nm.hwndFrom); c && c->HandleNotify(nm, result)) return result;
      break;
    }
  }
  return Control::WndProc(msg, wp, lp);
}

Panel::Panel(const CreateParams& c, const wchar_t* className, COLORREF color, DWORD style)
    : Container(c.desc.name, color), bevelled_(c.desc.options & kBevelled) {
  RegisterWindowClass(className);
  CreateWnd(c, className, WS_CLIPCHILDREN | style, WS_EX_CONTROLPARENT);
}

LRESULT Panel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT && bevelled_) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    DrawEdge(dc, &r, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
    EndPaint(hwnd_, &ps);
    return 0;
  }
  return Container::WndProc(msg, wp, lp);
}

}  // namespace ui
