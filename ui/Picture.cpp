#include "ui/Picture.h"

#include "ui/Form.h"

namespace ui {
namespace {
constexpr wchar_t kClass[] = L"TImage";
// Tools outside the process read the image shown from this window property (index + 1; 0 = none).
constexpr wchar_t kIndexProperty[] = L"ImageIndex";
}  // namespace

Picture::Picture(const CreateParams& c)
    : Control(c.desc.name),
      form_(c.form),
      image_(c.desc.image),
      index_(c.desc.index),
      stretch_(c.desc.options & kStretch) {
  RegisterWindowClass(kClass);
  CreateWnd(c, kClass, 0);
  SetPropW(hwnd_, kIndexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index_ + 1)));
}

void Picture::SetImageIndex(int index) {
  if (index < 0 || index == index_) return;
  index_ = index;
  SetPropW(hwnd_, kIndexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index_ + 1)));
  Redraw();
}

ImageStrip* Picture::Strip() const { return image_ ? &form_.Strip(image_) : nullptr; }

void Picture::Paint(HDC dc) const {
  const ImageStrip* strip = Strip();
  if (!strip) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int index = index_ < 0 ? 0 : index_;
  if (stretch_)
    strip->DrawPart(dc, client, index, RECT{0, 0, strip->Width(), strip->Height()});
  else
    strip->Draw(dc, 0, 0, index);
}

void Picture::PaintUnder(HDC dc, const RECT& area) const {
  const RECT bounds = BoundsRect();
  POINT previous;
  SetViewportOrgEx(dc, bounds.left - area.left, bounds.top - area.top, &previous);
  Paint(dc);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

LRESULT Picture::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;  // the parent's background stays; the picture draws over it
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      // Images of a strip are drawn with their alpha over the parent's colour.
      if (index_ >= 0)
        if (auto* parent = dynamic_cast<Container*>(FromHandle(GetParent(hwnd_))))
          FillRect(dc, &ps.rcPaint, parent->Brush());
      Paint(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_NCHITTEST:
      if (mouseTransparent_) return HTTRANSPARENT;  // clicks go to what lies behind, as on a painted surface
      break;
  }
  return Control::WndProc(msg, wp, lp);
}

}  // namespace ui
