#pragma once
// The hints of a form: tooltip windows that it owns, made on first use. A short hint (a picture button's
// caption) shows as the system shows tooltips; a long one wraps its lines and stays long enough to be read.
#include <string>
#include <vector>

#include "ui/Win.h"

namespace ui {

class Control;
class Form;

class FormHints {
 public:
  explicit FormHints(const Form& form) : form_(form) {}

  // Shows `text` as a short hint when the mouse rests on the control.
  void Add(HWND control, const std::wstring& text);
  // Sets or replaces a control's long hint. A picture with a hint takes the mouse instead of letting it
  // through.
  void Set(Control& control, const std::wstring& text);
  // The hints' wrapping width and font at the form's dpi, after it changed.
  void Rescale();

 private:
  HWND CreateTooltip() const;

  const Form& form_;
  HWND short_ = nullptr;
  HWND long_ = nullptr;
  GdiObject<HFONT> font_;     // the hints' font on a monitor whose scale is not the screen's
  std::vector<HWND> hinted_;  // the controls that have a long hint
};

}  // namespace ui
