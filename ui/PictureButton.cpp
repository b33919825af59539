#include "ui/PictureButton.h"

#include "ui/Form.h"
#include "ui/Picture.h"

namespace ui {

PictureButton::PictureButton(const Creation& c)
    : Control(c.desc.nom), forme_(c.forme), face_(&c.forme.Images(c.desc.image)), index_(c.desc.index < 0 ? 0 : c.desc.index) {
  Creer(c, L"Button", BS_OWNERDRAW | WS_TABSTOP);
  forme_.AjouterInfoBulle(hwnd_, c.desc.texte);
}

void PictureButton::SurCommande(WORD code) {
  if (code == BN_CLICKED) Click();
}

bool PictureButton::SurDessin(const DRAWITEMSTRUCT& dis) {
  const RECT& r = dis.rcItem;
  const int l = r.right - r.left, h = r.bottom - r.top;
  // Composed off-screen: the background under the button, then the face with its alpha.
  HDC memoire = CreateCompatibleDC(dis.hDC);
  ObjetGdi<HBITMAP> tampon(CreateCompatibleBitmap(dis.hDC, l, h));
  {
    Selection sel(memoire, tampon.get());
    if (Picture* fond = forme_.Fond()) fond->PeindreSous(memoire, Cadre());
    else FillRect(memoire, &r, forme_.Pinceau());
    const int enfonce = (dis.itemState & ODS_SELECTED) ? 1 : 0;
    face_->Dessiner(memoire, (l - face_->Largeur()) / 2 + enfonce, (h - face_->Hauteur()) / 2 + enfonce, index_);
    BitBlt(dis.hDC, r.left, r.top, l, h, memoire, 0, 0, SRCCOPY);
  }
  DeleteDC(memoire);
  return true;
}

}  // namespace ui
