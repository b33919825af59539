#include "ui/Label.h"

namespace ui {

namespace {

// One memory device context measures every label: a window's own DC costs far more under Wine, and a
// measure needs no screen.
HDC DcDeMesure() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

}  // namespace

Label::Label(const Creation& c) : Control(c.desc.nom), options_(c.desc.options), police_(c.police) {
  const DWORD style = (options_ & kRetourLigne) ? SS_LEFT : SS_LEFTNOWORDWRAP;
  // Created at the size its text needs, so that it is not resized straight away.
  DescControle desc = c.desc;
  if (!(options_ & kTailleFixe)) {
    const SIZE taille = Taille(desc.texte ? desc.texte : L"", desc.largeur);
    desc.largeur = taille.cx;
    desc.hauteur = taille.cy;
  }
  Creer(Creation{desc, c.forme, c.parent, c.id, c.police}, L"Static", style | SS_NOTIFY);
}

void Label::SetTexte(const std::wstring& texte) {
  Control::SetTexte(texte);
  Ajuster(texte);
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

SIZE Label::Taille(const std::wstring& texte, int largeurDonnee) const {
  const bool retour = options_ & kRetourLigne;
  RECT r{0, 0, retour ? largeurDonnee : 0, 0};
  HDC dc = DcDeMesure();
  {
    Selection police(dc, police_ ? police_ : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, texte.empty() ? L" " : texte.c_str(), -1, &r, DT_CALCRECT | (retour ? DT_WORDBREAK : DT_SINGLELINE));
  }
  if (texte.empty()) r.right = 0;
  // A word-wrapped label keeps its width and grows downwards, whatever its longest line.
  if (retour) r.right = largeurDonnee;
  return SIZE{r.right, r.bottom};
}

void Label::Ajuster(const std::wstring& texte) {
  if (options_ & kTailleFixe) return;
  const RECT cadre = Cadre();
  const SIZE taille = Taille(texte, cadre.right - cadre.left);
  SetWindowPos(hwnd_, nullptr, 0, 0, taille.cx, taille.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
