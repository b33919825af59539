#pragma once
// Pictures embedded in the program as the pixels it blits (ui/pictures/dib.py): opaque ones in 24 bits,
// copied as they are; the others premultiplied 32-bit, drawn with their alpha over whatever is behind them.
#include "ui/Win.h"

namespace ui {

class ImageList {
 public:
  // A strip of images of the given size, side by side; a size of 0 takes the whole picture as one image.
  ImageList(const char* resource, int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return width_ ? totalWidth_ / width_ : 0; }
  HBITMAP Bitmap() const { return bitmap_.get(); }

  // Draws image `index` at its natural size; an index outside the list draws nothing.
  void Draw(HDC dc, int x, int y, int index) const;
  // Draws part of image `index` (source rectangle relative to that image) onto a rectangle.
  void DrawPart(HDC dc, const RECT& target, int index, const RECT& source) const;

 private:
  GdiObject<HBITMAP> bitmap_;
  int totalWidth_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = false;
};

// A picture resource of the program as a bitmap; throws base::Exception when it is missing or malformed.
HBITMAP LoadPicture(const char* resource, int& width, int& height, bool& opaque);

}  // namespace ui
