// A form on the screen: its show, its place and its icon.
#include "base/Tardives.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/System.h"

namespace ui {
namespace {

// The program's icon at that size: reduced from its next larger image by the common controls 6 (the
// module of the program's manifest, loaded already), or by the loader's own stretch without them.
HICON LoadProgramIcon(HINSTANCE module, int size) {
  const auto scaleDown = base::tardives::LoadIconWithScaleDown();
  HICON icon = nullptr;
  if (scaleDown && SUCCEEDED(scaleDown(module, MAKEINTRESOURCEW(1), size, size, &icon))) return icon;
  return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
}

}  // namespace

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

void Form::CenterOnScreen() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void Form::SetIcon() {
  // Both sizes from the program's icon at the form's dpi, so that the caption does not shrink the large
  // picture.
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (auto [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    const int size = MetricAt(metric, Dpi());
    HICON icon = LoadProgramIcon(module, size);
    if (!icon) continue;
    SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(icon));
    icons_[kind] = Icon(icon);  // the window's previous icon of that size goes
  }
}

}  // namespace ui
