#include "ui/PictureRules.h"

#include <algorithm>

namespace ui {
namespace {

// The source pixels that each target pixel covers along one axis, with their weights. Along an axis of n
// source pixels and m target ones, lengths are counted in 1/m of a source pixel: source pixel i spans
// [i m, (i + 1) m), target pixel j spans [j n, (j + 1) n), and the weight of i in j is their overlap, a
// whole number; the weights of one target pixel add up to n.
struct Axis {
  std::vector<int> first, count;   // a target pixel's first source pixel, and how many it covers
  std::vector<std::size_t> start;  // where its weights begin in `weights`
  std::vector<std::uint32_t> weights;
};

Axis AxisTaps(int n, int m) {
  Axis a;
  for (int j = 0; j < m; ++j) {
    const long long begin = static_cast<long long>(j) * n, end = begin + n;
    const int first = static_cast<int>(begin / m), last = static_cast<int>((end - 1) / m);
    a.first.push_back(first);
    a.count.push_back(last - first + 1);
    a.start.push_back(a.weights.size());
    for (int i = first; i <= last; ++i) {
      const long long overlap = std::min(end, (i + 1LL) * m) - std::max(begin, static_cast<long long>(i) * m);
      a.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  return a;
}

// One source row across to the target's width: sums still to be divided by the source width.
void Across(const std::uint8_t* in, const Axis& a, int width, std::uint32_t* out) {
  for (int x = 0; x < width; ++x) {
    const std::uint8_t* p = in + static_cast<std::size_t>(a.first[x]) * 4;
    const std::uint32_t* w = a.weights.data() + a.start[x];
    std::uint32_t b = 0, g = 0, r = 0, alpha = 0;
    for (int k = 0; k < a.count[x]; ++k, p += 4) {
      b += w[k] * p[0];
      g += w[k] * p[1];
      r += w[k] * p[2];
      alpha += w[k] * p[3];
    }
    out[x * 4] = b, out[x * 4 + 1] = g, out[x * 4 + 2] = r, out[x * 4 + 3] = alpha;
  }
}

}  // namespace

std::vector<std::uint8_t> ResizeByArea(const PixelView& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return {};
  const Axis across = AxisTaps(source.width, width), down = AxisTaps(source.height, height);
  const std::size_t rowValues = static_cast<std::size_t>(width) * 4;
  // Each target row adds up the source rows it covers, each taken across first; the row that two target
  // rows share is taken across once.
  const std::uint64_t area = static_cast<std::uint64_t>(source.width) * source.height;
  const double inverse = 1.0 / static_cast<double>(area);
  std::vector<std::uint8_t> target(rowValues * height);
  std::vector<std::uint32_t> row(rowValues);
  std::vector<std::uint64_t> sums(rowValues);
  int rowTaken = -1;
  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    const std::uint32_t* w = down.weights.data() + down.start[y];
    for (int k = 0; k < down.count[y]; ++k) {
      if (down.first[y] + k != rowTaken) {
        rowTaken = down.first[y] + k;
        Across(source.data + static_cast<std::size_t>(rowTaken) * source.stride, across, width, row.data());
      }
      for (std::size_t v = 0; v < rowValues; ++v) sums[v] += static_cast<std::uint64_t>(w[k]) * row[v];
    }
    // Divided once by the whole area, rounded to the nearest: through its inverse, a division being slow,
    // then set right where the floating product fell short or over. The sums stay far below 2^63.
    std::uint8_t* out = target.data() + y * rowValues;
    for (std::size_t v = 0; v < rowValues; ++v) {
      const auto x = static_cast<std::int64_t>(sums[v] + area / 2), d = static_cast<std::int64_t>(area);
      auto q = static_cast<std::int64_t>(static_cast<double>(x) * inverse);
      if (q * d > x)
        --q;
      else if ((q + 1) * d <= x)
        ++q;
      out[v] = static_cast<std::uint8_t>(q);
    }
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
