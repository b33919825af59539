#include "ui/Clipboard.h"

#include <cstring>

#include "base/Exception.h"
#include "base/Textes.h"
#include "ui/System.h"

namespace ui {
namespace {

// Closes the clipboard that this program opened, as every successful OpenClipboard requires.
struct OpenClipboardScope {
  ~OpenClipboardScope() { CloseClipboard(); }
};

base::Exception Failure() { return base::Exception(base::Dire(base::Texte::CopieImpossible)); }

// `size` bytes of `data` and `zeros` zero bytes after them, in movable global memory as SetClipboardData
// requires; on success the system owns the memory, otherwise it is freed here.
void Put(UINT format, const void* data, size_t size, size_t zeros) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + zeros);
  if (!memory) throw Failure();
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, data, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory)) return;
  }
  GlobalFree(memory);
  throw Failure();
}

// Clipboard managers open the clipboard for a moment on every change: it is asked for again, this many
// times this far apart, up to half a second, before the user is told.
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardPauseMs = 50;

bool OpenHeldClipboard(HWND owner) {
  for (int attempt = 1;; ++attempt) {
    if (Sys().OpenClipboard(owner)) return true;
    if (attempt == kClipboardTries) return false;
    Sys().Sleep(kClipboardPauseMs);
  }
}

}  // namespace

bool SetClipboardText(HWND owner, std::wstring_view text, std::string_view ansi) {
  if (!OpenHeldClipboard(owner)) return false;
  OpenClipboardScope scope;
  // Ownership goes to the window that opened the clipboard; with none, SetClipboardData would fail.
  if (!EmptyClipboard()) throw Failure();
  try {
    Put(CF_UNICODETEXT, text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t));
    Put(CF_TEXT, ansi.data(), ansi.size(), 1);
    const LCID locale = GetSystemDefaultLCID();
    Put(CF_LOCALE, &locale, sizeof locale, 0);
  } catch (...) {
    EmptyClipboard();  // no half of the text
    throw;
  }
  return true;
}

}  // namespace ui
