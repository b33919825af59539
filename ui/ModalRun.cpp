#include "ui/ModalRun.h"

#include "ui/Application.h"
#include "ui/MessageLoop.h"

namespace ui {

int ModalRun::Run() {
  Form* main = Application ? Application->MainForm() : nullptr;
  HWND caller = (main && main != &form_) ? main->Handle() : nullptr;
  if (caller) EnableWindow(caller, FALSE);
  form_.ModalResult = 0;
  running_ = true;
  // Its cues as the caller's, as a dialog box takes them from the input that opened it: shown when the
  // keyboard opened it.
  if (caller) main->Keyboard().CuesShown() ? form_.Keyboard().ShowCues() : form_.Keyboard().HideCues();
  form_.Show();
  if (HWND first = GetNextDlgTabItem(form_.Handle(), nullptr, FALSE)) SetFocus(first);
  const auto quit = RunMessageLoop([this] { return form_.ModalResult != 0; });
  // A quit request ends the loop outside too.
  if (quit) PostQuitMessage(*quit);
  running_ = false;
  // Re-enabled before the form hides, so that the activation returns to the caller.
  if (caller) EnableWindow(caller, TRUE);
  ShowWindow(form_.Handle(), SW_HIDE);
  if (caller) SetActiveWindow(caller);
  return form_.ModalResult;
}

}  // namespace ui
