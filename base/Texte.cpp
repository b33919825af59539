#include "base/Texte.h"

#include <limits>

#include "base/TexteRules.h"

namespace base {
namespace {

Conversion gSysteme;
Conversion* gConversion = &gSysteme;

bool TropLong(size_t taille) { return taille > static_cast<size_t>(std::numeric_limits<int>::max()); }

std::optional<std::wstring> VersLarge(UINT page, std::string_view texte) {
  if (texte.empty()) return std::wstring();
  if (TropLong(texte.size())) return std::nullopt;
  const int longueur = static_cast<int>(texte.size());
  const int n = gConversion->MultiByteToWideChar(page, 0, texte.data(), longueur, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring large(static_cast<size_t>(n), L'\0');
  if (gConversion->MultiByteToWideChar(page, 0, texte.data(), longueur, large.data(), n) != n) return std::nullopt;
  return large;
}

}  // namespace

void RemplacerConversion(Conversion* conversion) { gConversion = conversion ? conversion : &gSysteme; }

std::optional<std::wstring> DepuisAnsi(std::string_view texte) { return VersLarge(gConversion->GetACP(), texte); }

std::wstring DepuisUtf8(const std::string& texte) {
  // The sources' own texts: valid UTF-8, so a failure is a fault of the program.
  return VersLarge(CP_UTF8, texte).value_or(L"");
}

std::string VersUtf8(std::wstring_view texte) { return VersPage(CP_UTF8, texte).value_or(""); }

std::string Utf8DepuisAnsi(std::string_view texte) { return VersUtf8(DepuisAnsi(texte).value_or(L"")); }

std::optional<std::string> AnsiDepuisUtf8(std::string_view texte) {
  const auto large = VersLarge(CP_UTF8, texte);
  return large ? VersAnsi(*large) : std::nullopt;
}

std::optional<std::string> VersAnsi(std::wstring_view texte) {
  // The flags depend on the code page itself: CP_ACP would hide that it is UTF-8.
  return VersPage(gConversion->GetACP(), texte);
}

std::optional<std::string> VersPage(UINT page, std::wstring_view texte) {
  if (texte.empty()) return std::string();
  if (TropLong(texte.size())) return std::nullopt;
  const DWORD options = OptionsVersOctets(page);
  const int longueur = static_cast<int>(texte.size());
  const int n = gConversion->WideCharToMultiByte(page, options, texte.data(), longueur, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::string ansi(static_cast<size_t>(n), '\0');
  if (gConversion->WideCharToMultiByte(page, options, texte.data(), longueur, ansi.data(), n) != n) return std::nullopt;
  return ansi;
}

}  // namespace base
