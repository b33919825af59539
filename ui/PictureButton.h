#pragma once
// A button drawn from an image of an image strip, transparently over the form's background picture. It
// draws no caption and has no mouse-over face; its window text is its hint, shown as a tooltip. With the
// focus, and once the keyboard is used in its form, it draws the system's focus rectangle along its edges.
#include <functional>

#include "ui/Control.h"

namespace ui {

class PictureButton : public Control {
 public:
  explicit PictureButton(const CreateParams& c);

  std::function<void(Control* sender)> OnClick;
  void Click() {
    if (OnClick) OnClick(this);
  }

  bool HandleDrawItem(const DRAWITEMSTRUCT& dis) override;
  void HandleCommand(WORD code) override;

 private:
  void DrawFocus(HDC dc, const RECT& bounds) const;

  Form& form_;
  const char* face_;  // the name of the image strip of its face
  int index_;
};

}  // namespace ui
