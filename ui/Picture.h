#pragma once
// A picture control: a whole picture drawn at its natural size from the top-left corner (cut off by the
// control), or one image of an image strip chosen by ImageIndex, drawn with its alpha over the parent.
#include "ui/Control.h"
#include "ui/ImageStrip.h"

namespace ui {

class Picture : public Control {
 public:
  explicit Picture(const CreateParams& c);

  int ImageIndex() const { return index_; }
  // A value equal to the current one, or a negative one, changes nothing; otherwise it redraws.
  void SetImageIndex(int index);

  // Paints what this picture shows under `area` (in the parent's client coordinates) into `dc` at 0, 0.
  // Controls drawn transparently over the picture use it for their background.
  void PaintUnder(HDC dc, const RECT& area) const;

  // A picture lets the mouse through to what lies behind it, as a painted surface, unless told otherwise.
  void SetMouseTransparent(bool transparent) { mouseTransparent_ = transparent; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc) const;
  ImageStrip* Strip() const;  // the form's strip of the row's image, or nullptr

  Form& form_;
  const char* image_;
  int index_;
  bool stretch_;
  bool mouseTransparent_ = true;
};

}  // namespace ui
