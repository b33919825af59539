#pragma once
// The about box: only its controls, no logic of its own.
#include "ui/Form.h"

extern const ui::DescFormulaire kFormeAboutBox;

class TAboutBox : public ui::Form {
 public:
  TAboutBox() : ui::Form(kFormeAboutBox) {}
};

extern TAboutBox* AboutBox;
