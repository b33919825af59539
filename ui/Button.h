#pragma once
// A standard push button; one marked kModalOk closes its modal form with the result OK.
#include <functional>

#include "ui/Form.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(const CreateParams& c)
      : Control(c.desc.name), form_(c.form), result_((c.desc.options & kModalOk) ? 1 : 0) {
    CreateWnd(c, L"Button", ((c.desc.options & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP);
  }

  std::function<void(Control* sender)> OnClick;

  void HandleCommand(WORD code) override {
    if (code != BN_CLICKED) return;
    if (OnClick) OnClick(this);
    if (result_) form_.ModalResult = result_;
  }

 private:
  Form& form_;
  int result_;
};

}  // namespace ui
