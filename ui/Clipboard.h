#pragma once
// The clipboard, written with one text in the formats that pasting programs ask for.
#include <string_view>

#include "ui/Win.h"

namespace ui {

// Puts `text` on the clipboard as Unicode text and `ansi`, the same text in the system's ANSI code page, as
// plain text, with the system's locale, whose code page that is, so that no other conversion is made from
// it. `owner` becomes the clipboard's owner. False when another program keeps the clipboard open for
// half a second; any other
// failure throws base::Exception, and the clipboard is left empty.
bool SetClipboardText(HWND owner, std::wstring_view text, std::string_view ansi);

}  // namespace ui
