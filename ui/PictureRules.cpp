#include "ui/PictureRules.h"

#include <algorithm>

namespace ui {
namespace {

// The source pixels that one target pixel covers along one axis, with their weights. Along an axis of n
// source pixels and m target ones, lengths are counted in 1/m of a source pixel: source pixel i spans
// [i m, (i + 1) m), target pixel j spans [j n, (j + 1) n), and the weight of i in j is their overlap, a
// whole number; the weights of one target pixel add up to n.
struct Taps {
  int first;
  std::vector<std::uint32_t> weights;
};

std::vector<Taps> AxisTaps(int n, int m) {
  std::vector<Taps> taps(static_cast<std::size_t>(m));
  for (int j = 0; j < m; ++j) {
    const long long begin = static_cast<long long>(j) * n, end = begin + n;
    const int first = static_cast<int>(begin / m), last = static_cast<int>((end - 1) / m);
    taps[j].first = first;
    for (int i = first; i <= last; ++i) {
      const long long overlap = std::min(end, (i + 1LL) * m) - std::max(begin, static_cast<long long>(i) * m);
      taps[j].weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  return taps;
}

}  // namespace

std::vector<std::uint8_t> ResizeByArea(const PixelView& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return {};
  const std::vector<Taps> across = AxisTaps(source.width, width), down = AxisTaps(source.height, height);
  const std::size_t rowValues = static_cast<std::size_t>(width) * 4;

  // Across first: each source row becomes a row of the target's width, its sums still to be divided by the
  // source width.
  std::vector<std::uint32_t> rows(rowValues * source.height);
  for (int y = 0; y < source.height; ++y) {
    const std::uint8_t* in = source.data + y * source.stride;
    std::uint32_t* out = rows.data() + y * rowValues;
    for (int x = 0; x < width; ++x) {
      const Taps& t = across[x];
      for (std::size_t k = 0; k < t.weights.size(); ++k) {
        const std::uint8_t* p = in + (t.first + k) * 4;
        for (int c = 0; c < 4; ++c) out[x * 4 + c] += t.weights[k] * p[c];
      }
    }
  }

  // Then down, dividing once by the whole area, rounded to the nearest.
  const std::uint64_t area = static_cast<std::uint64_t>(source.width) * source.height;
  std::vector<std::uint8_t> target(rowValues * height);
  std::vector<std::uint64_t> sums(rowValues);
  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    const Taps& t = down[y];
    for (std::size_t k = 0; k < t.weights.size(); ++k) {
      const std::uint32_t* row = rows.data() + (t.first + k) * rowValues;
      for (std::size_t v = 0; v < rowValues; ++v) sums[v] += static_cast<std::uint64_t>(t.weights[k]) * row[v];
    }
    std::uint8_t* out = target.data() + y * rowValues;
    for (std::size_t v = 0; v < rowValues; ++v) out[v] = static_cast<std::uint8_t>((sums[v] + area / 2) / area);
  }
  return target;
}

std::vector<std::uint8_t> ResizeStrip(const PixelView& source, int count, int width, int height) {
  if (count <= 0 || width <= 0 || height <= 0) return {};
  const int each = source.width / count;
  const std::size_t imageRow = static_cast<std::size_t>(width) * 4, stripRow = imageRow * count;
  std::vector<std::uint8_t> strip(stripRow * height);
  for (int i = 0; i < count; ++i) {
    const PixelView image{source.data + static_cast<std::size_t>(i) * each * 4, each, source.height, source.stride};
    const std::vector<std::uint8_t> resized = ResizeByArea(image, width, height);
    if (resized.empty()) return {};
    for (int y = 0; y < height; ++y)
      std::copy_n(resized.data() + y * imageRow, imageRow, strip.data() + y * stripRow + i * imageRow);
  }
  return strip;
}

}  // namespace ui
