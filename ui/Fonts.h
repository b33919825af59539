#pragma once
// The three fonts of a form's texts (FontStyle) at the form's dpi.
#include "ui/FormDescription.h"
#include "ui/Win.h"

namespace ui {

class FormFonts {
 public:
  // At 96 dpi the bitmap "MS Sans Serif" of the descriptions. At any other scale its outline twin,
  // "Microsoft Sans Serif", at the largest height, up to the scaled one, whose sample line of the captions'
  // letters is no wider than the bitmap font's scaled: the twin is a little wider at some sizes, and the
  // layout leaves no room for that (a caption may end where its value begins).
  explicit FormFonts(int dpi);
  FormFonts() = default;  // none yet

  HFONT Of(FontStyle style) const { return fonts_[static_cast<int>(style)].get(); }

 private:
  GdiObject<HFONT> fonts_[3];  // by FontStyle
};

}  // namespace ui
