#include "ui/Images.h"

#include <cstring>

#include "base/Exception.h"

namespace ui {

HBITMAP LoadPicture(const char* resource, int& width, int& height, bool& opaque) {
  const std::wstring name = base::DepuisUtf8(resource);
  auto failure = [&] { return base::Exception(L"Image introuvable : " + name); };
  HRSRC res = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) throw failure();
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, res)));
  const DWORD size = SizeofResource(nullptr, res);
  // The header, then top-down rows of 24-bit BGR or premultiplied 32-bit BGRA, each ending on 4 bytes.
  BITMAPINFO bi{};
  if (!data || size < sizeof bi.bmiHeader) throw failure();
  std::memcpy(&bi.bmiHeader, data, sizeof bi.bmiHeader);
  const BITMAPINFOHEADER& h = bi.bmiHeader;
  if (h.biSize != sizeof h || h.biWidth <= 0 || h.biHeight >= 0 || h.biPlanes != 1 || h.biCompression != BI_RGB ||
      (h.biBitCount != 24 && h.biBitCount != 32))
    throw failure();
  const size_t rows = static_cast<size_t>(-h.biHeight);
  const size_t bytes = (static_cast<size_t>(h.biWidth) * h.biBitCount / 8 + 3) / 4 * 4 * rows;
  if (size - sizeof h < bytes) throw failure();
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) throw failure();
  std::memcpy(bits, data + sizeof h, bytes);
  width = static_cast<int>(h.biWidth);
  height = static_cast<int>(rows);
  opaque = h.biBitCount == 24;
  return bitmap.Detach();
}

ImageList::ImageList(const char* resource, int width, int height) {
  int l = 0, h = 0;
  HBITMAP b = LoadPicture(resource, l, h, opaque_);
  bitmap_ = GdiObject<HBITMAP>(b);
  totalWidth_ = l;
  width_ = width ? width : l;
  height_ = height ? height : h;
}

void ImageList::Draw(HDC dc, int x, int y, int index) const {
  const RECT target{x, y, x + width_, y + height_};
  DrawPart(dc, target, index, RECT{0, 0, width_, height_});
}

void ImageList::DrawPart(HDC dc, const RECT& target, int index, const RECT& source) const {
  if (index < 0 || index >= Count()) return;
  HDC memoryDc = CreateCompatibleDC(dc);
  {
    SelectedObject sel(memoryDc, bitmap_.get());
    const int x = index * width_ + source.left, l = source.right - source.left, h = source.bottom - source.top;
    const int targetWidth = target.right - target.left, targetHeight = target.bottom - target.top;
    if (opaque_ && targetWidth == l && targetHeight == h) {
      BitBlt(dc, target.left, target.top, l, h, memoryDc, x, source.top, SRCCOPY);
    } else if (opaque_) {
      StretchBlt(dc, target.left, target.top, targetWidth, targetHeight, memoryDc, x, source.top, l, h, SRCCOPY);
    } else {
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      // GDI's own entry, which msimg32's AlphaBlend forwards to: one DLL fewer to load at start.
      GdiAlphaBlend(dc, target.left, target.top, targetWidth, targetHeight, memoryDc, x, source.top, l, h, blend);
    }
  }
  DeleteDC(memoryDc);
}

}  // namespace ui
