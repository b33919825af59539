#include "ui/Win.h"

namespace ui {
namespace {

std::wstring VersLarge(UINT page, const std::string& texte) {
  if (texte.empty()) return {};
  const int n = MultiByteToWideChar(page, 0, texte.data(), static_cast<int>(texte.size()), nullptr, 0);
  std::wstring large(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(page, 0, texte.data(), static_cast<int>(texte.size()), large.data(), n);
  return large;
}

}  // namespace

std::wstring DepuisAnsi(const std::string& texte) { return VersLarge(CP_ACP, texte); }
std::wstring DepuisUtf8(const std::string& texte) { return VersLarge(CP_UTF8, texte); }

std::string VersAnsi(const std::wstring& texte) {
  if (texte.empty()) return {};
  const int longueur = static_cast<int>(texte.size());
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, texte.data(), longueur, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, texte.data(), longueur, ansi.data(), n, nullptr, nullptr);
  return ansi;
}

std::wstring DossierProgramme() {
  std::wstring chemin(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
    if (n < chemin.size()) {
      chemin.resize(n);
      break;
    }
    chemin.resize(chemin.size() * 2);  // a long path was cut: room for it
  }
  return chemin.substr(0, chemin.find_last_of(L'\\'));
}

}  // namespace ui
