#pragma once
// A standard push button; one marked kResultatOk closes its modal form with the result OK.
#include <functional>

#include "ui/Form.h"

namespace ui {

class Button : public Control {
 public:
  explicit Button(const Creation& c)
      : Control(c.desc.nom), forme_(c.forme), resultat_((c.desc.options & kResultatOk) ? 1 : 0) {
    Creer(c, L"Button", ((c.desc.options & kParDefaut) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP);
  }

  std::function<void(Control* sender)> onClick;

  void SurCommande(WORD code) override {
    if (code != BN_CLICKED) return;
    if (onClick) onClick(this);
    if (resultat_) forme_.ModalResult = resultat_;
  }

 private:
  Form& forme_;
  int resultat_;
};

}  // namespace ui
