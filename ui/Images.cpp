#include "ui/Images.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "base/Exception.h"

using Microsoft::WRL::ComPtr;

namespace ui {

HBITMAP LoadPng(const char* resource, int& width, int& height) {
  const std::wstring name = base::DepuisUtf8(resource);
  auto failure = [&] { return base::Exception(L"Image introuvable : " + name); };
  HRSRC res = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) throw failure();
  void* data = LockResource(LoadResource(nullptr, res));
  const DWORD size = SizeofResource(nullptr, res);

  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> conversion;
  UINT l = 0, h = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(data), size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&conversion)) ||
      FAILED(conversion->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                    WICBitmapPaletteTypeCustom)) ||
      FAILED(conversion->GetSize(&l, &h)))
    throw failure();

  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = static_cast<LONG>(l);
  bi.bmiHeader.biHeight = -static_cast<LONG>(h);  // top-down, as WIC writes the rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || FAILED(conversion->CopyPixels(nullptr, l * 4, l * 4 * h, static_cast<BYTE*>(bits)))) throw failure();
  width = static_cast<int>(l);
  height = static_cast<int>(h);
  return bitmap.Detach();
}

ImageList::ImageList(const char* resource, int width, int height) {
  int l = 0, h = 0;
  HBITMAP b = LoadPng(resource, l, h);
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
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // GDI's own entry, which msimg32's AlphaBlend forwards to: one DLL fewer to load at start.
    GdiAlphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, memoryDc,
                  index * width_ + source.left, source.top, source.right - source.left, source.bottom - source.top,
                  blend);
  }
  DeleteDC(memoryDc);
}

}  // namespace ui
