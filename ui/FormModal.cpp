// The parts of a form that dialogs need: the modal run, the centring, and the program's icon.
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

int Form::ShowModal() {
  Form* main = Application ? Application->MainForm() : nullptr;
  HWND caller = (main && main != this) ? main->Handle() : nullptr;
  if (caller) EnableWindow(caller, FALSE);
  ModalResult = 0;
  modal_ = true;
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

void Form::SetIcon() {
  // Both sizes from the program's icon, so that the caption does not shrink the large picture.
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (auto [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    const int size = GetSystemMetrics(metric);
    if (auto icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED)))
      SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(icon));
  }
}

}  // namespace ui
