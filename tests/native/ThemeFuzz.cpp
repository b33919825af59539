// Fuzz target: a theme file is read from disk, so any bytes may come. Reading one never crashes, and what
// it accepts stays within what the tab control can draw.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/ThemeRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const auto style = ui::ParseTheme(std::string_view(reinterpret_cast<const char*>(donnees), taille));
  if (!style) return 0;
  for (uint32_t colour :
       {style->border, style->body, style->top, style->bottom, style->text, style->activeText, style->accent})
    if (colour > 0xFFFFFF) std::abort();
  if (style->offset < 0 || style->offset > 100) std::abort();
  return 0;
}
