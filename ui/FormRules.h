#pragma once
// Arithmetic over a form's description, without a window system: its 96-dpi numbers in device pixels at a
// dpi, and the tab that a Ctrl key selects.
#include <optional>

#include "ui/FormDescription.h"

namespace ui {

constexpr int kDesignDpi = 96;  // the dpi of the descriptions' numbers

// A length of a description in device pixels at `dpi`: rounded to the nearest pixel, halves away from 0,
// as MulDiv(length, dpi, 96) rounds.
int Scaled(int length, int dpi);

struct PixelBox {
  int left, top, right, bottom;
};
struct PixelSize {
  int width, height;
};

// A control's rectangle at `dpi`, in device pixels of its parent's client area. Its place and its size are
// scaled each on its own, so that equal lengths of the description stay equal on the screen.
PixelBox ScaledBounds(const ControlDesc& row, int dpi);
// The form's client area at `dpi`.
PixelSize ScaledClient(const FormDesc& form, int dpi);

// Virtual-key codes of the keys that change tabs (VK_TAB, VK_PRIOR, VK_NEXT).
constexpr unsigned kKeyTab = 0x09, kKeyPageUp = 0x21, kKeyPageDown = 0x22;

// The tab that `key` pressed with Ctrl selects among `count`, from the one selected (none: the first):
// Tab and PgDn the next, Shift+Tab and PgUp the previous, round from the last to the first and back, as a
// property sheet does. nullopt for any other key, or when there is no tab.
std::optional<int> TabAfterKey(int selected, int count, unsigned key, bool shift);

}  // namespace ui
