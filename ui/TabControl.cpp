#include "ui/TabControl.h"

#include "ui/Form.h"

namespace ui {

TabControl::TabControl(const Creation& c) : Control(c.desc.nom) {
  Creer(c, WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP);
}

void TabControl::AjouterPage(Panneau& page, const wchar_t* legende) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(legende);
  const auto index = static_cast<int>(pages_.size());
  SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  pages_.push_back(&page);
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

}  // namespace ui
