#include "ui/ImageStrip.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/Exception.h"
#include "base/Textes.h"
#include "ui/Dpi.h"
#include "ui/PictureRules.h"
#include "ui/Png.h"

namespace ui {
namespace {

// The 200 % rendering of a picture: its PNG, in the resource named after it with "_200".
DecodedPicture Rendering200(const char* resource) {
  const std::wstring name = base::DepuisUtf8(resource) + L"_200";
  HRSRC res = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  const void* data = res ? LockResource(LoadResource(nullptr, res)) : nullptr;
  return data ? DecodePng(data, SizeofResource(nullptr, res)) : DecodedPicture{};
}

// The 96-dpi pixels as premultiplied 32-bit ones without row padding.
DecodedPicture Pixels96(const PictureData& picture) {
  DecodedPicture p{std::vector<std::uint8_t>(static_cast<std::size_t>(picture.width) * picture.height * 4),
                   picture.width, picture.height};
  const std::size_t stride = picture.size / picture.height;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const BYTE* in = picture.bits + y * stride + x * (picture.opaque ? 3 : 4);
      std::uint8_t* out = p.pixels.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
      out[0] = in[0], out[1] = in[1], out[2] = in[2], out[3] = picture.opaque ? 255 : in[3];
    }
  return p;
}

}  // namespace

PictureData FindPicture(const char* resource) {
  const std::wstring name = base::DepuisUtf8(resource);
  auto failure = [&] { return base::Exception(base::Remplir(base::Texte::ImageIntrouvable, {name})); };
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

ImageStrip::ImageStrip(const char* resource, int width, int height, int dpi) : picture_(FindPicture(resource)) {
  width_ = width ? width : picture_.width;
  height_ = height ? height : picture_.height;
  if (dpi != kDesignDpi) Scale(resource, dpi);
  // An opaque picture is copied to the screen straight from the program's memory; one with alpha needs a
  // bitmap of its own to blend from.
  if (!picture_.opaque) {
    void* bits = nullptr;
    bitmap_ = GdiObject<HBITMAP>(CreateDIBSection(nullptr, picture_.info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
      throw base::Exception(base::Remplir(base::Texte::ImageIntrouvable, {base::DepuisUtf8(resource)}));
    std::memcpy(bits, picture_.bits, picture_.size);
  }
}

void ImageStrip::Scale(const char* resource, int dpi) {
  const int count = Count(), width = Scaled(width_, dpi), height = Scaled(height_, dpi);
  DecodedPicture source = Rendering200(resource);
  if (!source.width) source = Pixels96(picture_);
  // The images of the source, in proportion to those of the 96-dpi picture: columns beyond the last whole
  // image and rows below the strip's height are left out, as they are at 96.
  const int rows = std::min(height_, picture_.height) * source.height / picture_.height;
  const PixelView images{source.pixels.data(), count * width_ * source.width / picture_.width, rows,
                         static_cast<std::size_t>(source.width) * 4};
  scaled_ = ResizeStrip(images, count, width, height);
  if (scaled_.empty())
    throw base::Exception(base::Remplir(base::Texte::ImageIntrouvable, {base::DepuisUtf8(resource)}));
  // Top-down 32-bit rows, the alpha after the colours: what both drawing paths take.
  scaledInfo_.bmiHeader = {sizeof scaledInfo_.bmiHeader, count * width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  picture_ = {&scaledInfo_, scaled_.data(), scaled_.size(), count * width, height, picture_.opaque};
  width_ = width;
  height_ = height;
}

void ImageStrip::Draw(HDC dc, int x, int y, int index) const {
  const RECT target{x, y, x + width_, y + height_};
  DrawPart(dc, target, index, RECT{0, 0, width_, height_});
}

void ImageStrip::DrawPart(HDC dc, const RECT& target, int index, const RECT& source) const {
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
