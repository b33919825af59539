#include "ui/HelpRules.h"

#include <cstdint>

namespace ui {
namespace {

constexpr std::string_view kJumpStart = "JumpID(\"\",\"";
constexpr std::string_view kJumpEnd = "\")";
constexpr size_t kCommandLength = 255;

// UTF-8 bytes of a wide text (UTF-16 on Windows, UTF-32 elsewhere); a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text) {
  std::string bytes;
  auto byte = [&](uint32_t v) { bytes.push_back(static_cast<char>(v)); };
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = static_cast<uint32_t>(text[i]);
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>(text[i + 1]) - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      byte(c);
      continue;
    }
    const int continuation = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr uint32_t kLead[] = {0, 0xC0, 0xE0, 0xF0};  // 110xxxxx, 1110xxxx, 11110xxx
    byte(kLead[continuation] | (c >> (6 * continuation)));
    for (int k = continuation - 1; k >= 0; --k) byte(0x80 | ((c >> (6 * k)) & 0x3F));
  }
  return bytes;
}

// Percent-encodes every byte but the unreserved ones and the path separators.
std::wstring Encoder(std::wstring_view text, bool separators) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::wstring out;
  for (const char byte : ToUtf8(text)) {
    const auto o = static_cast<unsigned char>(byte);
    const bool keep = (o >= 'A' && o <= 'Z') || (o >= 'a' && o <= 'z') || (o >= '0' && o <= '9') || o == '-' ||
                      o == '.' || o == '_' || o == '~' || (separators && (o == '/' || o == ':'));
    if (keep) {
      out.push_back(static_cast<wchar_t>(o));
    } else {
      out.push_back(L'%');
      out.push_back(static_cast<wchar_t>(kHex[o >> 4]));
      out.push_back(static_cast<wchar_t>(kHex[o & 0xF]));
    }
  }
  return out;
}

}  // namespace

std::string JumpCommand(std::string_view topic) {
  std::string command;
  command.append(kJumpStart).append(topic).append(kJumpEnd);
  if (command.size() > kCommandLength) command.resize(kCommandLength);
  return command;
}

std::optional<std::string> JumpTopic(std::string_view macro) {
  if (macro.size() < kJumpStart.size() + kJumpEnd.size() || !macro.starts_with(kJumpStart) ||
      !macro.ends_with(kJumpEnd))
    return std::nullopt;
  std::string_view topic = macro.substr(kJumpStart.size(), macro.size() - kJumpStart.size() - kJumpEnd.size());
  if (topic.empty() || topic.find('"') != std::string_view::npos) return std::nullopt;
  return std::string(topic);
}

std::wstring HelpPage(std::wstring_view programFolder, std::wstring_view helpFile) {
  std::wstring_view name = helpFile.substr(helpFile.find_last_of(L"\\/:") + 1);
  if (const size_t point = name.find_last_of(L'.'); point != std::wstring_view::npos) name = name.substr(0, point);
  std::wstring page(programFolder);
  if (!page.empty() && page.back() != L'\\') page.push_back(L'\\');
  return page.append(name).append(L".html");
}

std::wstring FileUrl(std::wstring_view path, std::wstring_view anchor) {
  std::wstring slashes(path);
  for (wchar_t& c : slashes)
    if (c == L'\\') c = L'/';
  // A UNC path already starts with the two slashes of its host; a drive path gets an empty host.
  std::wstring url = slashes.starts_with(L"//") ? L"file:" : L"file:///";
  url += Encoder(slashes, true);
  if (!anchor.empty()) url.append(L"#").append(Encoder(anchor, false));
  return url;
}

std::wstring BrowserCommandLine(std::wstring_view pattern, std::wstring_view url) {
  std::wstring line;
  bool replaced = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == L'%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == L'1' || pattern[i + 1] == L'L' || pattern[i + 1] == L'l')) {
      line.append(url);
      replaced = true;
      ++i;
    } else {
      line.push_back(pattern[i]);
    }
  }
  if (!replaced) line.append(L" \"").append(url).append(L"\"");
  return line;
}

}  // namespace ui
