#include "ui/StatusBar.h"

namespace ui {

StatusBar::StatusBar(const Creation& c) : Control(c.desc.nom) {
  // No parent alignment and no resizing, so that the description's position and size hold.
  Creer(c, STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
  // One part spanning the bar: its text is also the window text that tools read.
  int droite = -1;
  SendMessageW(hwnd_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&droite));
}

std::wstring StatusBar::SimpleText() const {
  const auto n = LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring texte(n + 1u, L'\0');
  SendMessageW(hwnd_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(texte.data()));
  texte.resize(n);
  return texte;
}

void StatusBar::SetSimpleText(const std::wstring& texte) {
  SendMessageW(hwnd_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(texte.c_str()));
}

}  // namespace ui
