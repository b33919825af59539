// The parts of a form that serve the keyboard: where the focus goes and comes back, whether the focus is
// shown, and the keys that act from anywhere in the form.
#include "ui/Form.h"
#include "ui/FormRules.h"
#include "ui/PictureButton.h"
#include "ui/System.h"
#include "ui/TabControl.h"

namespace ui {

void Form::SetActiveControl(const Control& control) {
  focus_ = control.Handle();
  if (GetActiveWindow() == hwnd_) SetFocus(focus_);
}

void Form::SaveFocus() {
  if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) focus_ = focus;
}

bool Form::RestoreFocus() {
  HWND target = focus_;
  // A control hidden or disabled since (a page left) gives the focus to the first tab stop.
  if (!target || !IsChild(hwnd_, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  if (!target) return false;
  SetFocus(target);
  return true;
}

void Form::HideFocusCues() {
  // As for a dialog box opened with the mouse. Only the focus: the mnemonics' underlines stay as the
  // system has them.
  Sys().ChangeUIState(hwnd_, UIS_SET, UISF_HIDEFOCUS);
}

void Form::ShowFocusCues() {
  // Nothing is passed down when they show already.
  Sys().ChangeUIState(hwnd_, UIS_CLEAR, UISF_HIDEFOCUS);
}

bool Form::TranslateKeyboard(const MSG& msg) {
  // Keys only, and only this form's: most messages are neither, and leave at the first test.
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) ShowFocusCues();
  if (msg.message != WM_KEYDOWN) return false;
  const WPARAM key = msg.wParam;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: ShowFocusCues(); break;
  }
  if (control && (key == VK_TAB || key == VK_NEXT || key == VK_PRIOR)) {
    TabControl* tabs = nullptr;
    for (const auto& c : controls_)
      if ((tabs = dynamic_cast<TabControl*>(c.get()))) break;
    if (!tabs) return false;
    const auto next =
        TabAfterKey(tabs->Selected(), tabs->Count(), static_cast<unsigned>(key), GetKeyState(VK_SHIFT) < 0);
    if (!next) return false;
    tabs->SelectAsClicked(*next);
    // The focus stays where it was, unless it was on the page just hidden.
    if (HWND focus = GetFocus(); !focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus)) SetFocus(tabs->Handle());
    return true;
  }
  if (key == VK_RETURN) {
    // The dialog manager gives Enter to the default button, or to a focused push button, which a picture
    // button is not: it is pressed here, as a click would, through its notification.
    HWND focus = GetFocus();
    if (!focus || !IsChild(hwnd_, focus) || !dynamic_cast<PictureButton*>(FromHandle(focus))) return false;
    // Once per press: a held key's repeats press nothing more.
    if (!(msg.lParam & (1L << 30)))
      SendMessageW(GetParent(focus), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                   reinterpret_cast<LPARAM>(focus));
    return true;
  }
  return false;
}

}  // namespace ui
