#pragma once
// Pictures embedded in the program as the pixels it blits (ui/pictures/dib.py): opaque ones in 24 bits,
// drawn straight from the program's memory; the others premultiplied 32-bit, drawn with their alpha over
// whatever is behind them.
#include "ui/Win.h"

namespace ui {

// A picture resource of the program, checked: its header and its pixels, in the program's own memory.
struct PictureData {
  const BITMAPINFO* info;
  const BYTE* bits;
  size_t size;  // of the pixels
  int width, height;
  bool opaque;
};
// Throws base::Exception when the resource is missing or malformed.
PictureData FindPicture(const char* resource);

class ImageList {
 public:
  // A strip of images of the given size, side by side; a size of 0 takes the whole picture as one image.
  ImageList(const char* resource, int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return width_ ? picture_.width / width_ : 0; }

  // Draws image `index` at its natural size; an index outside the list draws nothing.
  void Draw(HDC dc, int x, int y, int index) const;
  // Draws part of image `index` (source rectangle relative to that image) onto a rectangle.
  void DrawPart(HDC dc, const RECT& target, int index, const RECT& source) const;

 private:
  PictureData picture_;
  GdiObject<HBITMAP> bitmap_;  // the pixels of a picture with alpha
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ui
