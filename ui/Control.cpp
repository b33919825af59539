#include "ui/Control.h"

#include <unordered_map>

#include "ui/Application.h"
#include "ui/System.h"

namespace ui {
namespace {

// The object of each window of the kit. A window property would do, but Wine answers every property read
// through its server, and this lookup runs for nearly every message; all windows live on the UI thread.
std::unordered_map<HWND, Control*>& Objects() {
  static std::unordered_map<HWND, Control*> objects;
  return objects;
}

}  // namespace

Control::~Control() {
  // The window of a system class is gone with its form by now; the kit's own classes left at WM_NCDESTROY.
  if (hwnd_)
    if (auto it = Objects().find(hwnd_); it != Objects().end() && it->second == this) Objects().erase(it);
}

Control* Control::FromHandle(HWND hwnd) {
  const auto it = Objects().find(hwnd);
  return it == Objects().end() ? nullptr : it->second;
}

void Control::RegisterWindowClass(const wchar_t* className, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    if (auto* c = static_cast<Control*>(cs->lpCreateParams)) c->Attach(hwnd);
  }
  Control* c = FromHandle(hwnd);
  if (!c) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    Objects().erase(hwnd);
    c->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  // No exception may cross the system's frames: it goes to the application's error box here.
  try {
    return c->WndProc(msg, wp, lp);
  } catch (...) {
    HandleCurrentException();
    return 0;
  }
}

void Control::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  if (hwnd) Objects()[hwnd] = this;
}

void Control::CreateWnd(const CreateParams& c, const wchar_t* className, DWORD style, DWORD exStyle, const SIZE* size) {
  const ControlDesc& d = c.desc;
  if (!(d.options & kHidden)) style |= WS_VISIBLE;
  const RECT& b = c.bounds;
  const int width = size ? size->cx : b.right - b.left, height = size ? size->cy : b.bottom - b.top;
  HWND h = CreateWindowExW(exStyle, className, d.text ? d.text : L"", style | WS_CHILD | WS_CLIPSIBLINGS, b.left, b.top,
                           width, height, c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                           GetModuleHandleW(nullptr), this);
  Attach(h);
  if (c.font) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
}

void Control::Rescale(const RECT& bounds, HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring Control::Text() const {
  // One read into a buffer that fits a caption; the length is asked for only when the text may be longer.
  wchar_t caption[256];
  if (const int read = GetWindowTextW(hwnd_, caption, 256); read < 255)
    return std::wstring(caption, static_cast<size_t>(read));
  const int n = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), n + 1)));
  return text;
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

RECT Control::BoundsRect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool Control::FocusShown() const { return !(Sys().QueryUIState(hwnd_) & UISF_HIDEFOCUS); }

}  // namespace ui
