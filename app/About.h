#pragma once
// The about box: only its controls, no logic of its own.
#include "ui/Form.h"

namespace appli {

extern const ui::FormDesc kFormeAboutBox;

class TAboutBox : public ui::Form {
 public:
  TAboutBox() : ui::Form(kFormeAboutBox) {}
};

extern TAboutBox* AboutBox;

}  // namespace appli
