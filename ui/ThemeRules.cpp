#include "ui/ThemeRules.h"

#include <charconv>

namespace ui {
namespace {

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// A whole decimal or hexadecimal number within [0, max].
std::optional<uint32_t> Number(std::string_view s, int base, uint32_t max) {
  s = Trim(s);
  uint32_t v = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (s.empty() || error != std::errc{} || end != s.data() + s.size() || v > max) return std::nullopt;
  return v;
}

// "#RRGGBB" or "R, G, B", as a colour number 0x00BBGGRR.
std::optional<uint32_t> ColourValue(std::string_view s) {
  uint32_t r = 0, g = 0, b = 0;
  if (s.starts_with('#')) {
    if (s.size() != 7) return std::nullopt;
    const auto rgb = Number(s.substr(1), 16, 0xFFFFFF);
    if (!rgb) return std::nullopt;
    r = *rgb >> 16, g = (*rgb >> 8) & 0xFF, b = *rgb & 0xFF;
  } else {
    const size_t v1 = s.find(','), v2 = v1 == std::string_view::npos ? v1 : s.find(',', v1 + 1);
    if (v2 == std::string_view::npos) return std::nullopt;
    const auto cr = Number(s.substr(0, v1), 10, 255), cg = Number(s.substr(v1 + 1, v2 - v1 - 1), 10, 255),
               cb = Number(s.substr(v2 + 1), 10, 255);
    if (!cr || !cg || !cb) return std::nullopt;
    r = *cr, g = *cg, b = *cb;
  }
  return r | (g << 8) | (b << 16);
}

// Sets one key of the [Onglets] section; false when its value is bad. Unknown keys are skipped.
bool ApplyKey(TabStyle& style, std::string_view key, std::string_view value) {
  struct Key {
    std::string_view name;
    uint32_t TabStyle::*colour;
  };
  static constexpr Key kColours[] = {
      {"Bordure", &TabStyle::border}, {"Corps", &TabStyle::body}, {"Haut", &TabStyle::top},
      {"Bas", &TabStyle::bottom},     {"Texte", &TabStyle::text}, {"TexteActif", &TabStyle::activeText},
      {"Accent", &TabStyle::accent},
  };
  for (const Key& c : kColours) {
    if (!SameText(key, c.name)) continue;
    const auto v = ColourValue(value);
    if (v) style.*c.colour = *v;
    return v.has_value();
  }
  if (SameText(key, "Decalage")) {
    const auto v = Number(value, 10, 100);
    if (v) style.offset = static_cast<int>(*v);
    return v.has_value();
  }
  return true;
}

}  // namespace

std::optional<TabStyle> ParseTheme(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 mark left by an editor
  TabStyle style;
  bool anySection = false, inTabsSection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    for (const char c : line)
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return std::nullopt;
    if (const size_t comment = line.find(';'); comment != std::string_view::npos) line = line.substr(0, comment);
    line = Trim(line);
    if (line.empty()) continue;
    if (line.starts_with('[')) {
      if (!line.ends_with(']')) return std::nullopt;
      inTabsSection = SameText(Trim(line.substr(1, line.size() - 2)), "Onglets");
      anySection = anySection || inTabsSection;
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty()) return std::nullopt;
    if (inTabsSection && !ApplyKey(style, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))))
      return std::nullopt;
  }
  if (!anySection) return std::nullopt;
  return style;
}

}  // namespace ui
