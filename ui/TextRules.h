#pragma once
#include <string>

namespace ui {

// Text of the top-level error box: a full stop is added when the message is not empty and its last
// character sorts after '.'.
std::wstring ErrorBoxText(const std::wstring& message);

}  // namespace ui
