#include "ui/Control.h"

#include "ui/Application.h"

namespace ui {
namespace {
constexpr wchar_t kPropriete[] = L"Quorvane.Control";
}  // namespace

Control* Control::Depuis(HWND hwnd) { return static_cast<Control*>(GetPropW(hwnd, kPropriete)); }

void Control::EnregistrerClasse(const wchar_t* classe, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), classe, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = classe;
  RegisterClassExW(&wc);
}

LRESULT CALLBACK Control::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    if (auto* c = static_cast<Control*>(cs->lpCreateParams)) c->Attacher(hwnd);
  }
  Control* c = Depuis(hwnd);
  if (!c) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    RemovePropW(hwnd, kPropriete);
    c->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  // No exception may cross the system's frames: it goes to the application's error box here.
  try {
    return c->Message(msg, wp, lp);
  } catch (...) {
    GererException();
    return 0;
  }
}

void Control::Attacher(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kPropriete, this);
}

void Control::Creer(const Creation& c, const wchar_t* classe, DWORD style, DWORD styleEtendu) {
  const DescControle& d = c.desc;
  if (!(d.options & kCache)) style |= WS_VISIBLE;
  HWND h = CreateWindowExW(styleEtendu, classe, d.texte ? d.texte : L"", style | WS_CHILD | WS_CLIPSIBLINGS,
                           d.x, d.y, d.largeur, d.hauteur, c.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr), this);
  Attacher(h);
  if (c.police) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.police), FALSE);
}

std::wstring Control::Texte() const {
  const int n = GetWindowTextLengthW(hwnd_);
  std::wstring texte(static_cast<size_t>(n) + 1, L'\0');
  texte.resize(static_cast<size_t>(GetWindowTextW(hwnd_, texte.data(), n + 1)));
  return texte;
}

void Control::SetTexte(const std::wstring& texte) { SetWindowTextW(hwnd_, texte.c_str()); }

RECT Control::Cadre() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Control::SetCadre(int x, int y, int largeur, int hauteur) {
  SetWindowPos(hwnd_, nullptr, x, y, largeur, hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
