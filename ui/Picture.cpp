#include "ui/Picture.h"

#include "ui/Form.h"

namespace ui {
namespace {
constexpr wchar_t kClasse[] = L"TImage";
// Tools outside the process read the image shown from this window property (index + 1; 0 = none).
constexpr wchar_t kProprieteIndex[] = L"ImageIndex";
}  // namespace

Picture::Picture(const Creation& c) : Control(c.desc.nom), index_(c.desc.index), etire_(c.desc.options & kEtire) {
  if (c.desc.image) images_ = &c.forme.Images(c.desc.image);
  EnregistrerClasse(kClasse);
  Creer(c, kClasse, 0);
  SetPropW(hwnd_, kProprieteIndex, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index_ + 1)));
}

void Picture::SetImageIndex(int index) {
  if (index < 0 || index == index_) return;
  index_ = index;
  SetPropW(hwnd_, kProprieteIndex, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index_ + 1)));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Picture::Peindre(HDC dc) const {
  if (!images_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int index = index_ < 0 ? 0 : index_;
  if (etire_) images_->DessinerPartie(dc, client, index, RECT{0, 0, images_->Largeur(), images_->Hauteur()});
  else images_->Dessiner(dc, 0, 0, index);
}

void Picture::PeindreSous(HDC dc, const RECT& zone) const {
  const RECT cadre = Cadre();
  POINT ancienne;
  SetViewportOrgEx(dc, cadre.left - zone.left, cadre.top - zone.top, &ancienne);
  Peindre(dc);
  SetViewportOrgEx(dc, ancienne.x, ancienne.y, nullptr);
}

LRESULT Picture::Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the parent's background stays; the picture draws over it
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      // Images of a list are drawn with their alpha over the parent's colour.
      if (index_ >= 0)
        if (auto* parent = dynamic_cast<Container*>(Depuis(GetParent(hwnd_)))) FillRect(dc, &ps.rcPaint, parent->Pinceau());
      Peindre(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to what lies behind, as on a painted surface
  }
  return Control::Message(msg, wp, lp);
}

}  // namespace ui
