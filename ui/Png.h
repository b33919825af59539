#pragma once
// PNG pictures decoded by the system's imaging component (WIC), loaded only by the first call.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

// Rows top-down of 32-bit BGRA, the colours premultiplied by the alpha, width * 4 bytes each.
struct DecodedPicture {
  std::vector<std::uint8_t> pixels;
  int width = 0, height = 0;
};

// The picture of a PNG file held in memory; of no size when the system cannot decode it. Needs COM
// initialised on the calling thread.
DecodedPicture DecodePng(const void* data, std::size_t size);

}  // namespace ui
