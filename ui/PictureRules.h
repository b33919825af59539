#pragma once
// Resizing the program's pictures for a display scale: pixels of four 8-bit channels, the colours
// premultiplied by the alpha (the last channel), rows top-down.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

// Pixels read in place: `stride` bytes from one row to the next.
struct PixelView {
  const std::uint8_t* data;
  int width, height;
  std::size_t stride;
};

// `source` resized to width x height by area: each target pixel is the mean of the source it covers, every
// source pixel weighted by the part of it that falls inside, computed exactly for any ratio. Each channel
// is averaged alike, so premultiplied colours stay premultiplied. Rows of width * 4 bytes, no padding;
// empty when a size is not positive.
std::vector<std::uint8_t> ResizeByArea(const PixelView& source, int width, int height);

// A strip of `count` images side by side in `source`, each resized on its own to width x height and put
// side by side again: no image takes colour from its neighbour.
std::vector<std::uint8_t> ResizeStrip(const PixelView& source, int count, int width, int height);

}  // namespace ui
