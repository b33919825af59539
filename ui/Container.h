#pragma once
// A window that holds controls: it paints its colour and hands the notifications of its children
// (colours, owner drawing, commands, common-control notifications) back to the child objects.
#include "ui/Control.h"

namespace ui {

class Container : public Control {
 public:
  COLORREF Couleur() const { return couleur_; }
  void SetCouleur(COLORREF couleur);
  HBRUSH Pinceau() const { return pinceau_.get(); }

 protected:
  Container(std::string nom, COLORREF couleur) : Control(std::move(nom)) { SetCouleur(couleur); }
  LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  COLORREF couleur_ = 0;
  ObjetGdi<HBRUSH> pinceau_;
};

// A plain container on a form: a tab page or a panel.
class Panneau : public Container {
 public:
  Panneau(const Creation& c, const wchar_t* classe, COLORREF couleur);

 protected:
  LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool biseaux_;
};

}  // namespace ui
