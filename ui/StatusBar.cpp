#include "ui/StatusBar.h"

namespace ui {

StatusBar::StatusBar(const CreateParams& c) : Control(c.desc.name) {
  // No parent alignment and no resizing, so that the description's position and size hold.
  CreateWnd(c, STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
  // One part spanning the bar: its text is also the window text that tools read.
  int right = -1;
  SendMessageW(hwnd_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
}

std::wstring StatusBar::SimpleText() const {
  const auto n = LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(n + 1u, L'\0');
  SendMessageW(hwnd_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(n);
  return text;
}

void StatusBar::SetSimpleText(const std::wstring& text) {
  SendMessageW(hwnd_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace ui
