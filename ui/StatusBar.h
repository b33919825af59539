#pragma once
// A status bar with a single text area, at the place and size its description gives.
#include "ui/Control.h"

namespace ui {

class StatusBar : public Control {
 public:
  explicit StatusBar(const CreateParams& c);

  std::wstring SimpleText() const;
  void SetSimpleText(const std::wstring& text);
};

}  // namespace ui
