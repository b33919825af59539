#pragma once
// The skin of the tab control: its built-in blue style, and the theme file that may replace it.
//
// A theme file is a small INI text, for example:
//   ; Quorvane tabs, in green
//   [Onglets]
//   Haut = #7CC46A          ; tab not on show: gradient from its top...
//   Bas = 40, 110, 30       ; ...to its bottom ("#RRGGBB" or "R, G, B")
//   Decalage = 10           ; first tab from the control's left edge, in pixels
// Keys it leaves out keep the built-in value; unknown keys and other sections are skipped.
#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

// Colours are the framework's colour numbers, 0x00BBGGRR.
struct StyleOnglets {
  uint32_t bordure = 8092539;      // the body's frame and the tabs' outline (123, 123, 123)
  uint32_t corps = 0xFFFFFF;       // the body, and the tab on show
  uint32_t haut = 0xE0A06E;        // tab not on show, top of its gradient (110, 160, 224)
  uint32_t bas = 0xA85A2E;         // and bottom (46, 90, 168)
  uint32_t texte = 0xFFFFFF;       // its caption
  uint32_t texteActif = 0x5F3010;  // caption of the tab on show (16, 48, 95)
  uint32_t accent = 0x1E9CF5;      // the line along the top of the tab on show (245, 156, 30)
  int decalage = 10;               // the first tab from the control's left edge
};

// The style a theme file gives: the built-in one with the file's keys over it. nullopt when the file is
// malformed: a line that is neither a comment, a section nor "key = value", a bad value, no [Onglets]
// section, or a text that is not plain text.
std::optional<StyleOnglets> LireTheme(std::string_view texte);

}  // namespace ui
