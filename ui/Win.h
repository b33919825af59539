#pragma once
// Windows headers in one place, plus the handle owners and text conversions used across the kit.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

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
// The program's own texts are UTF-8 in the sources.
std::wstring DepuisUtf8(const std::string& texte);

// The folder of the running program, without a final backslash.
std::wstring DossierProgramme();

// Owner of one GDI object (font, brush, bitmap), deleted with it.
template <class T>
class ObjetGdi {
 public:
  ObjetGdi() = default;
  explicit ObjetGdi(T h) : h_(h) {}
  ObjetGdi(ObjetGdi&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  ObjetGdi& operator=(ObjetGdi&& o) noexcept {
    if (this != &o) { Liberer(); h_ = std::exchange(o.h_, nullptr); }
    return *this;
  }
  ObjetGdi(const ObjetGdi&) = delete;
  ObjetGdi& operator=(const ObjetGdi&) = delete;
  ~ObjetGdi() { Liberer(); }
  T get() const { return h_; }
  T Detacher() { return std::exchange(h_, nullptr); }  // the caller becomes the owner
  explicit operator bool() const { return h_ != nullptr; }

 private:
  void Liberer() { if (h_) DeleteObject(h_); h_ = nullptr; }
  T h_ = nullptr;
};

// Owner of a kernel handle, closed with it.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  Handle(Handle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Handle& operator=(Handle&& o) noexcept {
    if (this != &o) { Fermer(); h_ = std::exchange(o.h_, nullptr); }
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Fermer(); }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Fermer() { if (h_) CloseHandle(h_); h_ = nullptr; }

 private:
  HANDLE h_ = nullptr;
};

// Selects an object into a device context for the lifetime of the scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ objet) : dc_(dc), ancien_(SelectObject(dc, objet)) {}
  ~Selection() { SelectObject(dc_, ancien_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ ancien_;
};

}  // namespace ui
