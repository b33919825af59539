#pragma once
// Text without the system: UTF-8 from wide text, and the flags that each code page allows in a conversion
// to it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Wide text (UTF-16 on Windows, UTF-32 elsewhere) as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8(std::wstring_view texte);
// The length of the well-formed UTF-8 sequence of two bytes or more at s[i] (Unicode's table 3-7), 0 when
// there is none: overlong forms, surrogates and cut sequences are none.
size_t LongueurUtf8(std::string_view s, size_t i);
// UTF-8 as wide text; a byte of no well-formed sequence becomes U+FFFD.
std::wstring Large(std::string_view utf8);

// WC_NO_BEST_FIT_CHARS: a character the code page lacks becomes its default character, never a
// look-alike ("Ω" is not "O").
inline constexpr uint32_t kSansApprochant = 0x400;

// The flags to pass to WideCharToMultiByte for a code page: no look-alikes, except on the code pages where
// Windows fails the call with ERROR_INVALID_FLAGS for any flag (UTF-8 and UTF-7, GB18030, the ISO-2022
// pages, ISCII, Symbol). Those have no look-alikes to avoid, or none that the flag would stop.
uint32_t OptionsVersOctets(uint32_t page);

}  // namespace base
