#include "ui/TextRules.h"

namespace ui {

std::wstring ErrorBoxText(const std::wstring& message) {
  if (!message.empty() && message.back() > L'.') return message + L'.';
  return message;
}

}  // namespace ui
