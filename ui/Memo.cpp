#include "ui/Memo.h"

namespace ui {

Memo::Memo(const CreateParams& c) : Control(c.desc.name) {
  // No soft wrap: the text keeps only the line ends that were added either way, and a narrow edit that
  // wraps reflows its whole text on every change, which costs a visible delay at start-up under Wine.
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
  if (c.desc.options & kReadOnly) style |= ES_READONLY;
  CreateWnd(c, L"Edit", style, WS_EX_CLIENTEDGE);
  // A new memo holds one empty line.
  Control::SetText(L"\r\n");
}

std::vector<std::wstring> Memo::Lines() const {
  std::vector<std::wstring> lines;
  const std::wstring text = Text();
  size_t begin = 0;
  for (size_t finish; (finish = text.find(L"\r\n", begin)) != std::wstring::npos; begin = finish + 2)
    lines.push_back(text.substr(begin, finish - begin));
  if (begin < text.size()) lines.push_back(text.substr(begin));
  return lines;
}

void Memo::Add(const std::wstring& line) { Add(std::vector<std::wstring>{line}); }

void Memo::Add(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const auto& line : lines) text += line + L"\r\n";
  // Appended after the last line in one change.
  const int finish = GetWindowTextLengthW(hwnd_);
  SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(finish), finish);
  SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace ui
