#pragma once
// The skin of the tab control: its built-in blue style, and the theme file that may replace it.
//
// A theme file is a small INI text, for example:
//   ; Quorvane tabs, in green
//   [Onglets]
//   Haut = #7CC46A          ; tab not on show: gradient from its top...
//   Bas = 40, 110, 30       ; ...to its bottom ("#RRGGBB" or "R, G, B")
//   Decalage = 10           ; first tab from the control's left edge, in pixels at 100 %
// Keys it leaves out keep the built-in value; unknown keys and other sections are skipped.
#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

// Colours are the framework's colour numbers, 0x00BBGGRR.
struct TabStyle {
  uint32_t border = 0x7B7B7B;      // the body's frame and the tabs' outline: RGB(123, 123, 123) = 8092539
  uint32_t body = 0xFFFFFF;        // the body, and the tab on show
  uint32_t top = 0xE0A06E;         // tab not on show, top of its gradient: RGB(110, 160, 224)
  uint32_t bottom = 0xA85A2E;      // and bottom: RGB(46, 90, 168)
  uint32_t text = 0xFFFFFF;        // its caption
  uint32_t activeText = 0x5F3010;  // caption of the tab on show: RGB(16, 48, 95)
  uint32_t accent = 0x1E9CF5;      // the line along the top of the tab on show: RGB(245, 156, 30)
  int offset = 10;                 // the first tab from the control's left edge, in pixels at 100 %
};

// The style a theme file gives: the built-in one with the file's keys over it. nullopt when the file is
// malformed: a line that is neither a comment, a section nor "key = value", a bad value, no [Onglets]
// section, or a text that is not plain text.
std::optional<TabStyle> ParseTheme(std::string_view text);

}  // namespace ui
