#include "ui/Label.h"

namespace ui {

Label::Label(const Creation& c) : Control(c.desc.nom), options_(c.desc.options) {
  const DWORD style = (options_ & kRetourLigne) ? SS_LEFT : SS_LEFTNOWORDWRAP;
  Creer(c, L"Static", style | SS_NOTIFY);
  Ajuster();
}

void Label::SetTexte(const std::wstring& texte) {
  Control::SetTexte(texte);
  Ajuster();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Label::SetCouleur(COLORREF couleur) {
  if (couleur_ == couleur) return;
  couleur_ = couleur;
  pinceau_ = ObjetGdi<HBRUSH>(CreateSolidBrush(couleur));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Label::SurCouleur(HDC dc) {
  if (!couleur_) return nullptr;  // the parent's colour, transparently
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, *couleur_);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return pinceau_.get();
}

void Label::Ajuster() {
  if (options_ & kTailleFixe) return;
  const RECT cadre = Cadre();
  const bool retour = options_ & kRetourLigne;
  RECT r{0, 0, retour ? cadre.right - cadre.left : 0, 0};
  HDC dc = GetDC(hwnd_);
  {
    Selection police(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    const std::wstring texte = Texte();
    const UINT format = retour ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc, texte.empty() ? L" " : texte.c_str(), -1, &r, DT_CALCRECT | format);
    if (texte.empty()) r.right = 0;
  }
  ReleaseDC(hwnd_, dc);
  // A word-wrapped label keeps its width and grows downwards, whatever its longest line.
  if (retour) r.right = cadre.right - cadre.left;
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
