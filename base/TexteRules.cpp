#include "base/TexteRules.h"

namespace base {
namespace {

struct Pages {
  uint32_t premiere, derniere;
};

// Code pages on which WideCharToMultiByte takes no flag but 0 (or WC_ERR_INVALID_CHARS for UTF-8 and
// GB18030), as its documentation lists them.
constexpr Pages kSansOptions[] = {
    {42, 42},        // Symbol
    {50220, 50222},  // ISO-2022 Japanese
    {50225, 50225},  // ISO-2022 Korean
    {50227, 50227},  // ISO-2022 Simplified Chinese
    {50229, 50229},  // ISO-2022 Traditional Chinese
    {54936, 54936},  // GB18030
    {57002, 57011},  // ISCII
    {65000, 65001},  // UTF-7, UTF-8
};

}  // namespace

uint32_t OptionsVersOctets(uint32_t page) {
  for (const Pages& p : kSansOptions)
    if (page >= p.premiere && page <= p.derniere) return 0;
  return kSansApprochant;
}

std::string Utf8(std::wstring_view texte) {
  std::string s;
  for (size_t i = 0; i < texte.size(); ++i) {
    auto c = static_cast<uint32_t>(texte[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      const bool haut = c >= 0xD800 && c < 0xDC00;
      const bool suivi = i + 1 < texte.size() && texte[i + 1] >= 0xDC00 && texte[i + 1] < 0xE000;
      if (haut && suivi)
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>(texte[++i]) - 0xDC00);
      else if (c >= 0xD800 && c < 0xE000)
        c = 0xFFFD;
    }
    if (c >= 0x110000 || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;
    if (c < 0x80) {
      s += static_cast<char>(c);
    } else if (c < 0x800) {
      s += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
      s += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      s += {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
            static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
  }
  return s;
}

size_t LongueurUtf8(std::string_view s, size_t i) {
  const auto o = [&](size_t k) { return i + k < s.size() ? static_cast<uint8_t>(s[i + k]) : uint8_t{0}; };
  const uint8_t c = o(0);
  size_t n = 2;
  uint8_t bas = 0x80, haut = 0xBF;
  if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) bas = 0xA0;
    if (c == 0xED) haut = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) bas = 0x90;
    if (c == 0xF4) haut = 0x8F;
  } else if (c < 0xC2 || c > 0xDF) {
    return 0;
  }
  if (o(1) < bas || o(1) > haut) return 0;
  for (size_t k = 2; k < n; ++k)
    if (o(k) < 0x80 || o(k) > 0xBF) return 0;
  return n;
}

std::wstring Large(std::string_view utf8) {
  std::wstring large;
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<uint8_t>(utf8[i]);
    const size_t n = c < 0x80 ? 1 : LongueurUtf8(utf8, i);
    if (n == 0) {
      large += L'\xFFFD';
      ++i;
      continue;
    }
    uint32_t point = n == 1 ? c : c & (0x7Fu >> n);
    for (size_t k = 1; k < n; ++k) point = point << 6 | (static_cast<uint8_t>(utf8[i + k]) & 0x3Fu);
    if (sizeof(wchar_t) == 2 && point >= 0x10000) {
      large += static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
      large += static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    } else {
      large += static_cast<wchar_t>(point);
    }
    i += n;
  }
  return large;
}

}  // namespace base
