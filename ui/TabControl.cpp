#include "ui/TabControl.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {
namespace {

constexpr int kHautOnglet = 5;     // top of a tab not on show
constexpr int kMarge = 9;          // blank on each side of a caption
constexpr int kLargeurMin = 36;
constexpr int kEcart = 1;          // between two tabs

}  // namespace

TabControl::TabControl(const Creation& c)
    : Control(c.desc.nom), forme_(c.forme), style_(ChargerTheme(kTheme, DossierProgramme())) {
  Creer(c, WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP);
  // The control keeps its items, selection, keyboard and notifications; drawing and hitting the tabs
  // are the skin's, so that they agree with each other and with the offset of the first tab.
  SetWindowSubclass(hwnd_, SousClasse, 1, reinterpret_cast<DWORD_PTR>(this));
}

TabControl::~TabControl() {
  if (hwnd_) RemoveWindowSubclass(hwnd_, SousClasse, 1);
}

void TabControl::AjouterPage(Panneau& page, const wchar_t* legende) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(legende);
  const auto index = static_cast<int>(pages_.size());
  SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  pages_.push_back(&page);
  legendes_.emplace_back(legende);
  Disposer();
  if (index == 0) {
    actif_ = 0;
    return;
  }
  EnableWindow(page.Handle(), FALSE);
  ShowWindow(page.Handle(), SW_HIDE);
}

void TabControl::Activer(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  if (index == actif_) return;
  if (SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0) != index) SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  Panneau* nouvelle = pages_[static_cast<size_t>(index)];
  EnableWindow(nouvelle->Handle(), TRUE);
  SetWindowPos(nouvelle->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  if (actif_ >= 0) {
    Panneau* ancienne = pages_[static_cast<size_t>(actif_)];
    EnableWindow(ancienne->Handle(), FALSE);
    ShowWindow(ancienne->Handle(), SW_HIDE);
  }
  actif_ = index;
}

bool TabControl::SurNotification(const NMHDR& nm, LRESULT& resultat) {
  if (nm.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  Activer(static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
  resultat = 0;
  return true;
}

void TabControl::Disposer() {
  onglets_.clear();
  HDC dc = GetDC(hwnd_);
  {
    Selection police(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    int x = style_.decalage;
    for (const std::wstring& legende : legendes_) {
      SIZE taille{};
      GetTextExtentPoint32W(dc, legende.c_str(), static_cast<int>(legende.size()), &taille);
      const int largeur = std::max(kLargeurMin, static_cast<int>(taille.cx) + 2 * kMarge);
      onglets_.push_back(RECT{x, kHautOnglet, x + largeur, kHautCorps + 1});
      x += largeur + kEcart;
    }
  }
  ReleaseDC(hwnd_, dc);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

int TabControl::Toucher(POINT p) const {
  // The tab on show stands higher than the others, as it is drawn.
  const auto choisi = static_cast<size_t>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
  for (size_t i = 0; i < onglets_.size(); ++i) {
    RECT r = onglets_[i];
    if (i == choisi) r.top -= kLeve;
    if (PtInRect(&r, p)) return static_cast<int>(i);
  }
  return -1;
}

void TabControl::Choisir(int index) {
  // As the control does on a click: asked first, then changed, then told.
  const int id = GetDlgCtrlID(hwnd_);
  NMHDR nm{hwnd_, static_cast<UINT_PTR>(id), static_cast<UINT>(TCN_SELCHANGING)};
  if (SendMessageW(GetParent(hwnd_), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&nm))) return;
  DefSubclassProc(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  InvalidateRect(hwnd_, nullptr, FALSE);
  nm.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageW(GetParent(hwnd_), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&nm));
}

LRESULT CALLBACK TabControl::SousClasse(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR donnees) {
  try {
    return reinterpret_cast<TabControl*>(donnees)->Intercepter(msg, wp, lp);
  } catch (...) {
    GererException();
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
}

LRESULT TabControl::Intercepter(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      Peindre(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Peindre(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      clavier_ = false;
      SetFocus(hwnd_);
      const int index = Toucher(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      if (index >= 0 && index != SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)) Choisir(index);
      return 0;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      return 0;  // no hot face
    case TCM_GETITEMRECT: {
      const auto index = static_cast<size_t>(wp);
      if (index >= onglets_.size() || !lp) return FALSE;
      *reinterpret_cast<RECT*>(lp) = onglets_[index];
      return TRUE;
    }
    case TCM_HITTEST: {
      auto& essai = *reinterpret_cast<TCHITTESTINFO*>(lp);
      const int index = Toucher(essai.pt);
      essai.flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEM;
      return index;
    }
    case WM_SETFONT:
    case TCM_SETCURSEL:
    case WM_KEYDOWN:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
      // The control redraws only the parts it knows of; the skin redraws the whole strip.
      const LRESULT resultat = DefSubclassProc(hwnd_, msg, wp, lp);
      if (msg == WM_KEYDOWN) clavier_ = true;
      if (msg == WM_SETFONT) Disposer();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return resultat;
    }
  }
  return DefSubclassProc(hwnd_, msg, wp, lp);
}

}  // namespace ui
