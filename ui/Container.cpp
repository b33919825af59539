#include "ui/Container.h"

namespace ui {

void Container::SetCouleur(COLORREF couleur) {
  couleur_ = couleur;
  pinceau_ = ObjetGdi<HBRUSH>(CreateSolidBrush(couleur));
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Container::Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, Pinceau());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
      auto dc = reinterpret_cast<HDC>(wp);
      if (Control* c = Depuis(reinterpret_cast<HWND>(lp)))
        if (HBRUSH b = c->SurCouleur(dc)) return reinterpret_cast<LRESULT>(b);
      // A child without a colour of its own is drawn on this container's colour.
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(Pinceau());
    }
    case WM_DRAWITEM: {
      const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (Control* c = Depuis(dis.hwndItem); c && c->SurDessin(dis)) return TRUE;
      break;
    }
    case WM_COMMAND:
      if (Control* c = lp ? Depuis(reinterpret_cast<HWND>(lp)) : nullptr) {
        c->SurCommande(HIWORD(wp));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto& nm = *reinterpret_cast<const NMHDR*>(lp);
      LRESULT resultat = 0;
      if (Control* c = Depuis(nm.hwndFrom); c && c->SurNotification(nm, resultat)) return resultat;
      break;
    }
  }
  return Control::Message(msg, wp, lp);
}

Panneau::Panneau(const Creation& c, const wchar_t* classe, COLORREF couleur)
    : Container(c.desc.nom, couleur), biseaux_(c.desc.options & kBiseaux) {
  EnregistrerClasse(classe);
  Creer(c, classe, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

LRESULT Panneau::Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT && biseaux_) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    DrawEdge(dc, &r, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
    EndPaint(hwnd_, &ps);
    return 0;
  }
  return Container::Message(msg, wp, lp);
}

}  // namespace ui
