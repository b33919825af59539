#include "ui/PictureButton.h"

#include "ui/Form.h"
#include "ui/Picture.h"

namespace ui {

PictureButton::PictureButton(const CreateParams& c)
    : Control(c.desc.name), form_(c.form), face_(c.desc.image), index_(c.desc.index < 0 ? 0 : c.desc.index) {
  CreateWnd(c, L"Button", BS_OWNERDRAW | WS_TABSTOP);
  form_.Hints().Add(hwnd_, c.desc.text);
}

void PictureButton::HandleCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

bool PictureButton::HandleDrawItem(const DRAWITEMSTRUCT& dis) {
  const RECT& r = dis.rcItem;
  const int l = r.right - r.left, h = r.bottom - r.top;
  // Composed off-screen: the background under the button, then the face with its alpha.
  HDC memoryDc = CreateCompatibleDC(dis.hDC);
  GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(dis.hDC, l, h));
  {
    SelectedObject sel(memoryDc, buffer.get());
    if (Picture* background = form_.Background())
      background->PaintUnder(memoryDc, BoundsRect());
    else
      FillRect(memoryDc, &r, form_.Brush());
    const int pressed = (dis.itemState & ODS_SELECTED) ? form_.Scale(1) : 0;
    const ImageStrip& face = form_.Strip(face_);
    face.Draw(memoryDc, (l - face.Width()) / 2 + pressed, (h - face.Height()) / 2 + pressed, index_);
    if (dis.itemState & ODS_FOCUS) DrawFocus(memoryDc, RECT{0, 0, l, h});
    BitBlt(dis.hDC, r.left, r.top, l, h, memoryDc, 0, 0, SRCCOPY);
  }
  DeleteDC(memoryDc);
  return true;
}

void PictureButton::DrawFocus(HDC dc, const RECT& bounds) const {
  // The system's focus rectangle, of the user's chosen width, inverts what lies under it: it reads on the
  // dark background and on the faces alike.
  if (FocusShown()) DrawFocusRect(dc, &bounds);
}

}  // namespace ui
