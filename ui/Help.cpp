#include "ui/Help.h"

#include "ui/HelpRules.h"
#include "ui/System.h"

namespace ui {
namespace {

bool Exists(const std::wstring& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The browser's own command for web addresses: handing it the URL keeps the anchor, which opening the
// file through its association would drop. ASSOCF_IS_PROTOCOL asks for the handler the user chose
// (Windows 8 and later); without it the answer may be the protocol's legacy handler, which is all that
// Windows 7 knows.
bool OpenInBrowser(const std::wstring& url) {
  constexpr ASSOCF kProtocol = 0x00001000;  // ASSOCF_IS_PROTOCOL, which the Windows 7 headers lack
  for (const ASSOCF options : {kProtocol, ASSOCF(ASSOCF_NONE)}) {
    wchar_t pattern[2048];
    DWORD size = ARRAYSIZE(pattern);
    if (Sys().AssocQueryStringW(options, ASSOCSTR_COMMAND, L"http", L"open", pattern, &size) == S_OK)
      return Sys().CreateProcessW(BrowserCommandLine(pattern, url));
  }
  return false;
}

}  // namespace

bool BrowserHelp::WinHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
  const std::wstring page = HelpPage(folder_, base::DepuisAnsi(file).value_or(L""));
  switch (command) {
    case HELP_CONTENTS: return Exists(page);
    case HELP_COMMAND: {
      if (!data) return false;
      const auto topic = JumpTopic(reinterpret_cast<const char*>(data));
      if (!topic || !Exists(page)) return false;
      if (OpenInBrowser(FileUrl(page, base::DepuisAnsi(*topic).value_or(L"")))) return true;
      // No browser registered for web addresses: the page through its own association, at its top.
      return Sys().ShellExecuteW(owner, page);
    }
    case HELP_QUIT: return true;
  }
  return false;
}

}  // namespace ui
