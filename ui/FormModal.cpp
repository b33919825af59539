// The parts of a form that dialogs need: the modal run, the centring, and the program's icon.
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

int Form::ShowModal() {
  Form* principale = Application ? Application->MainForm() : nullptr;
  HWND appelant = (principale && principale != this) ? principale->Handle() : nullptr;
  if (appelant) EnableWindow(appelant, FALSE);
  ModalResult = 0;
  modal_ = true;
  Show();
  if (HWND premier = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(premier);
  MSG msg;
  while (ModalResult == 0) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the loop above must see it too
      break;
    }
    if (IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  modal_ = false;
  // Re-enabled before this form hides, so that the activation returns to the caller.
  if (appelant) EnableWindow(appelant, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  if (appelant) SetActiveWindow(appelant);
  return ModalResult;
}

void Form::CentrerSurLEcran() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const int largeur = r.right - r.left, hauteur = r.bottom - r.top;
  SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - largeur) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - hauteur) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::PoserIcone() {
  // Both sizes from the program's icon, so that the caption does not shrink the large picture.
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (auto [genre, metrique] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    const int taille = GetSystemMetrics(metrique);
    if (auto icone = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, taille, taille, LR_SHARED)))
      SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(genre), reinterpret_cast<LPARAM>(icone));
  }
}

}  // namespace ui
