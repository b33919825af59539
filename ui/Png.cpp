#include "ui/Png.h"

#include <wincodec.h>
#include <wrl/client.h>

namespace ui {
namespace {

using Microsoft::WRL::ComPtr;

// The first imaging factory, the one Windows 7 has without its platform update (the SDK's
// CLSID_WICImagingFactory names the second on newer SDKs), and the format AlphaBlend wants. Spelt here
// rather than taken from a library of GUIDs.
constexpr GUID kImagingFactory1 = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kPremultipliedBgra = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};

}  // namespace

DecodedPicture DecodePng(const void* data, std::size_t size) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  // The stream only reads the bytes it is given.
  BYTE* bytes = static_cast<BYTE*>(const_cast<void*>(data));
  if (FAILED(CoCreateInstance(kImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), kPremultipliedBgra, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return {};
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || !width || !height || width > 0x4000 || height > 0x4000) return {};
  DecodedPicture picture;
  picture.pixels.resize(static_cast<std::size_t>(width) * height * 4);
  if (FAILED(
          converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.pixels.size()), picture.pixels.data())))
    return {};
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  return picture;
}

}  // namespace ui
