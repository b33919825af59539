#pragma once
// Pictures embedded in the program as the pixels it blits (ui/pictures/dib.py): opaque ones in 24 bits,
// drawn straight from the program's memory; the others premultiplied 32-bit, drawn with their alpha over
// whatever is behind them. At another display scale than 100 %, each picture is drawn from its 200 %
// rendering, resized once when its strip is made.
#include <cstdint>
#include <vector>

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

// A picture cut into images of one size, side by side (not a system image list: the images are drawn
// from the picture's own pixels).
class ImageStrip {
 public:
  // A strip of images of the given size in 96-dpi pixels, side by side; a size of 0 takes the whole
  // picture as one image. The images are drawn for a display of `dpi`: at 96, the picture's own pixels;
  // otherwise its 200 % rendering with each image resized by area to its size at that scale (MulDiv(size,
  // dpi, 96)), enlarged above 200 %. Without a rendering the system can decode, the 96-dpi pixels are
  // resized alike.
  ImageStrip(const char* resource, int width, int height, int dpi = 96);
  ImageStrip(const ImageStrip&) = delete;  // picture_ may point into scaled_
  ImageStrip& operator=(const ImageStrip&) = delete;

  // The size of one image on the device, at the strip's dpi.
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return width_ ? picture_.width / width_ : 0; }

  // Draws image `index` at its size on the device; an index outside the strip draws nothing.
  void Draw(HDC dc, int x, int y, int index) const;
  // Draws part of image `index` (source rectangle in device pixels, relative to that image) onto a
  // rectangle.
  void DrawPart(HDC dc, const RECT& target, int index, const RECT& source) const;

 private:
  void Scale(const char* resource, int dpi);

  PictureData picture_;
  BITMAPINFO scaledInfo_{};
  std::vector<std::uint8_t> scaled_;  // premultiplied 32-bit pixels at the strip's dpi, when not 96
  GdiObject<HBITMAP> bitmap_;         // the pixels of a picture with alpha
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ui
