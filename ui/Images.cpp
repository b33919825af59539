#include "ui/Images.h"

#include <cstring>

#include "base/Exception.h"

namespace ui {

PictureData FindPicture(const char* resource) {
  const std::wstring name = base::DepuisUtf8(resource);
  auto failure = [&] { return base::Exception(L"Image introuvable : " + name); };
  HRSRC res = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) throw failure();
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, res)));
  const DWORD size = SizeofResource(nullptr, res);
  // The header, then top-down rows of 24-bit BGR or premultiplied 32-bit BGRA, each ending on 4 bytes.
  const auto* info = reinterpret_cast<const BITMAPINFO*>(data);
  if (!data || size < sizeof(BITMAPINFOHEADER)) throw failure();
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize != sizeof h || h.biWidth <= 0 || h.biHeight >= 0 || h.biPlanes != 1 || h.biCompression != BI_RGB ||
      (h.biBitCount != 24 && h.biBitCount != 32))
    throw failure();
  const size_t rows = static_cast<size_t>(-h.biHeight);
  const size_t bytes = (static_cast<size_t>(h.biWidth) * h.biBitCount / 8 + 3) / 4 * 4 * rows;
  if (size - sizeof h < bytes) throw failure();
  return {info, data + sizeof h, bytes, static_cast<int>(h.biWidth), static_cast<int>(rows), h.biBitCount == 24};
}

ImageList::ImageList(const char* resource, int width, int height) : picture_(FindPicture(resource)) {
  // An opaque picture is copied to the screen straight from the program's memory; one with alpha needs a
  // bitmap of its own to blend from.
  if (!picture_.opaque) {
    void* bits = nullptr;
    bitmap_ = GdiObject<HBITMAP>(CreateDIBSection(nullptr, picture_.info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) throw base::Exception(L"Image introuvable : " + base::DepuisUtf8(resource));
    std::memcpy(bits, picture_.bits, picture_.size);
  }
  width_ = width ? width : picture_.width;
  height_ = height ? height : picture_.height;
}

void ImageList::Draw(HDC dc, int x, int y, int index) const {
  const RECT target{x, y, x + width_, y + height_};
  DrawPart(dc, target, index, RECT{0, 0, width_, height_});
}

void ImageList::DrawPart(HDC dc, const RECT& target, int index, const RECT& source) const {
  if (index < 0 || index >= Count()) return;
  const int x = index * width_ + source.left, l = source.right - source.left, h = source.bottom - source.top;
  const int targetWidth = target.right - target.left, targetHeight = target.bottom - target.top;
  if (picture_.opaque) {
    // The rows are top-down: the source's top is counted from the picture's top.
    StretchDIBits(dc, target.left, target.top, targetWidth, targetHeight, x, source.top, l, h, picture_.bits,
                  picture_.info, DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  HDC memoryDc = CreateCompatibleDC(dc);
  {
    SelectedObject sel(memoryDc, bitmap_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // GDI's own entry, which msimg32's AlphaBlend forwards to: one DLL fewer to load at start.
    GdiAlphaBlend(dc, target.left, target.top, targetWidth, targetHeight, memoryDc, x, source.top, l, h, blend);
  }
  DeleteDC(memoryDc);
}

}  // namespace ui
