// The parts of a form that dialogs need: the modal run, the centring, and the program's icon.
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/System.h"
#include "base/Tardives.h"

namespace ui {

int Form::ShowModal() {
  Form* main = Application ? Application->MainForm() : nullptr;
  HWND caller = (main && main != this) ? main->Handle() : nullptr;
  if (caller) EnableWindow(caller, FALSE);
  ModalResult = 0;
  modal_ = true;
  // Its cues as the caller's, as a dialog box takes them from the input that opened it: shown when the
  // keyboard opened it.
  if (caller) main->FocusShown() ? ShowFocusCues() : HideFocusCues();
  Show();
  if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
  MSG msg;
  while (ModalResult == 0) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the loop above must see it too
      break;
    }
    if (TranslateKeyboard(msg)) continue;
    if (IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  modal_ = false;
  // Re-enabled before this form hides, so that the activation returns to the caller.
  if (caller) EnableWindow(caller, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  if (caller) SetActiveWindow(caller);
  return ModalResult;
}

void Form::CenterOnScreen() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
