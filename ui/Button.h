#pragma once
// A standard push button.
#include <functional>

#include "ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(const Creation& c) : Control(c.desc.nom) {
    Creer(c, L"Button", ((c.desc.options & kParDefaut) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP);
  }

  std::function<void(Control* sender)> onClick;

  void SurCommande(WORD code) override {
    if (code == BN_CLICKED && onClick) onClick(this);
  }
};

}  // namespace ui
