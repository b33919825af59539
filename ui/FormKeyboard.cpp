#include "ui/FormKeyboard.h"

#include "ui/Form.h"
#include "ui/FormRules.h"
#include "ui/PictureButton.h"
#include "ui/System.h"
#include "ui/TabControl.h"

namespace ui {

void FormKeyboard::SetActiveControl(const Control& control) {
  focus_ = control.Handle();
  if (GetActiveWindow() == form_.Handle()) SetFocus(focus_);
}

void FormKeyboard::SaveFocus() {
  if (HWND focus = GetFocus(); focus && IsChild(form_.Handle(), focus)) focus_ = focus;
}

bool FormKeyboard::RestoreFocus() {
  HWND target = focus_;
  // A control hidden or disabled since (a page left) gives the focus to the first tab stop.
  if (!target || !IsChild(form_.Handle(), target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
    target = GetNextDlgTabItem(form_.Handle(), nullptr, FALSE);
  if (!target) return false;
  SetFocus(target);
  return true;
}

void FormKeyboard::HideCues() { Sys().ChangeUIState(form_.Handle(), UIS_SET, UISF_HIDEFOCUS); }

// Nothing is passed down when they show already.
void FormKeyboard::ShowCues() { Sys().ChangeUIState(form_.Handle(), UIS_CLEAR, UISF_HIDEFOCUS); }

bool FormKeyboard::CuesShown() const { return !(Sys().QueryUIState(form_.Handle()) & UISF_HIDEFOCUS); }

std::optional<LRESULT> FormKeyboard::OnMessage(UINT msg, WPARAM wp) {
  switch (msg) {
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
  }
  return std::nullopt;
}

void FormKeyboard::CuesChanged() const {
  if (HWND focus = GetFocus(); focus && IsChild(form_.Handle(), focus)) InvalidateRect(focus, nullptr, FALSE);
}

bool FormKeyboard::Translate(const MSG& msg) {
  // Keys only, and only this form's: most messages are neither, and leave at the first test.
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (msg.hwnd != form_.Handle() && !IsChild(form_.Handle(), msg.hwnd)) return false;
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) ShowCues();
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: ShowCues(); break;
  }
  if (GetKeyState(VK_CONTROL) < 0 && SelectTab(msg.wParam)) return true;
  return msg.wParam == VK_RETURN && PressButton(msg);
}

bool FormKeyboard::SelectTab(WPARAM key) {
  TabControl* tabs = nullptr;
  for (const auto& c : form_.Controls())
    if ((tabs = dynamic_cast<TabControl*>(c.get()))) break;
  if (!tabs) return false;
  const auto next = TabAfterKey(tabs->Selected(), tabs->Count(), static_cast<unsigned>(key), GetKeyState(VK_SHIFT) < 0);
  if (!next) return false;
  tabs->SelectAsClicked(*next);
  // The focus stays where it was, unless it was on the page just hidden.
  if (HWND focus = GetFocus(); !focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus)) SetFocus(tabs->Handle());
  return true;
}

bool FormKeyboard::PressButton(const MSG& msg) const {
  // The dialog manager gives Enter to the default button, or to a focused push button, which a picture
  // button is not: it is pressed here, as a click would, through its notification.
  HWND focus = GetFocus();
  if (!focus || !IsChild(form_.Handle(), focus) || !dynamic_cast<PictureButton*>(Control::FromHandle(focus)))
    return false;
  // Once per press: a held key's repeats press nothing more.
  if (!(msg.lParam & (1L << 30)))
    SendMessageW(GetParent(focus), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                 reinterpret_cast<LPARAM>(focus));
  return true;
}

}  // namespace ui
