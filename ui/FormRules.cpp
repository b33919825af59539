#include "ui/FormRules.h"

namespace ui {

int Scaled(int length, int dpi) {
  const long long product = static_cast<long long>(length) * dpi, half = kDesignDpi / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / kDesignDpi);
}

PixelBox ScaledBounds(const ControlDesc& row, int dpi) {
  const int x = Scaled(row.x, dpi), y = Scaled(row.y, dpi);
  return PixelBox{x, y, x + Scaled(row.width, dpi), y + Scaled(row.height, dpi)};
}

PixelSize ScaledClient(const FormDesc& form, int dpi) {
  return PixelSize{Scaled(form.clientWidth, dpi), Scaled(form.clientHeight, dpi)};
}

std::optional<int> TabAfterKey(int selected, int count, unsigned key, bool shift) {
  if (count <= 0 || (key != kKeyTab && key != kKeyPageUp && key != kKeyPageDown)) return std::nullopt;
  const bool forward = key == kKeyTab ? !shift : key == kKeyPageDown;
  return ((selected < 0 ? 0 : selected) + (forward ? 1 : count - 1)) % count;
}

}  // namespace ui
