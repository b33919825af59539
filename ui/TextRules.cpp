#include "ui/TextRules.h"

namespace ui {

std::wstring TexteBoiteErreur(const std::wstring& message) {
  if (!message.empty() && message.back() > L'.') return message + L'.';
  return message;
}

}  // namespace ui
