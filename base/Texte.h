#pragma once
// Text between the program's wide strings and the system's code pages, every conversion checked.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace base {

// The system's text conversion calls. Tests put in one that plays a Windows code page that Wine handles
// more leniently, or one that fails.
class Conversion {
 public:
  virtual ~Conversion() = default;
  virtual UINT GetACP() { return ::GetACP(); }
  virtual int WideCharToMultiByte(UINT page, DWORD options, const wchar_t* large, int n, char* octets, int taille) {
    return ::WideCharToMultiByte(page, options, large, n, octets, taille, nullptr, nullptr);
  }
  virtual int MultiByteToWideChar(UINT page, DWORD options, const char* octets, int n, wchar_t* large, int taille) {
    return ::MultiByteToWideChar(page, options, octets, n, large, taille);
  }
};
// Replaces the conversion calls (nullptr: the system's again).
void RemplacerConversion(Conversion* conversion);

// Texts of the platform come in the system's ANSI code page; display is always wide. nullopt when the
// system cannot convert the text.
std::optional<std::wstring> DepuisAnsi(std::string_view texte);
// Characters without a mapping become the code page's default character (no look-alike: "Ω" is not "O"),
// where the code page allows asking for that; on UTF-8 every character maps.
std::optional<std::string> VersAnsi(std::wstring_view texte);
// The same in a given code page (a console's output code page).
std::optional<std::string> VersPage(UINT page, std::wstring_view texte);
// The program's own texts are UTF-8 in the sources.
std::wstring DepuisUtf8(const std::string& texte);
// A relevé's texts are UTF-8: to it from wide text or the ANSI code page, and from it to the ANSI code page
// (nullopt when the code page cannot take the text).
std::string VersUtf8(std::wstring_view texte);
std::string Utf8DepuisAnsi(std::string_view texte);
std::optional<std::string> AnsiDepuisUtf8(std::string_view texte);

}  // namespace base
