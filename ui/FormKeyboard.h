#pragma once
// The keyboard in a form: where the focus goes and comes back, whether the focus is shown (the UI state's
// cues), and the keys that act from anywhere in the form.
#include <optional>

#include "ui/Win.h"

namespace ui {

class Control;
class Form;

class FormKeyboard {
 public:
  explicit FormKeyboard(Form& form) : form_(form) {}

  // The control that takes the focus when the form is first activated (by default the first tab stop).
  // The focus goes back to the control that had it each time the form is activated again.
  void SetActiveControl(const Control& control);

  // Focus cues hidden until the keyboard is used, as for a dialog box opened with the mouse, then shown,
  // for the whole form. Only the focus: the mnemonics' underlines stay as the system has them.
  void HideCues();
  void ShowCues();
  bool CuesShown() const;

  // The message loop's question for each message of the form's windows, before the dialog manager's: true
  // when it was a key of the form's own, done. Ctrl+Tab and Ctrl+PgDn select the next tab of the form's tab
  // control, Ctrl+Shift+Tab and Ctrl+PgUp the previous one; Enter presses the picture button with the
  // focus; the navigation keys and Alt show the focus cues.
  bool Translate(const MSG& msg);

  // The form's messages about the focus (its activation, its focus, a modal box taking the input): the
  // result when handled here, nullopt when the form goes on with the message.
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp);
  // After the form and its children took a new UI state: the control with the focus redraws its cue.
  void CuesChanged() const;

 private:
  void SaveFocus();
  bool RestoreFocus();
  bool SelectTab(WPARAM key);
  bool PressButton(const MSG& msg) const;

  Form& form_;
  HWND focus_ = nullptr;  // the control that gets the focus back when the form is activated
};

}  // namespace ui
