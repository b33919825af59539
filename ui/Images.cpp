#include "ui/Images.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "ui/Exception.h"

using Microsoft::WRL::ComPtr;

namespace ui {

HBITMAP ChargerPng(const char* ressource, int& largeur, int& hauteur) {
  const std::wstring nom = DepuisUtf8(ressource);
  auto echec = [&] { return Exception(L"Image introuvable : " + nom); };
  HRSRC res = FindResourceW(nullptr, nom.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) throw echec();
  void* donnees = LockResource(LoadResource(nullptr, res));
  const DWORD taille = SizeofResource(nullptr, res);

  ComPtr<IWICImagingFactory> fabrique;
  ComPtr<IWICStream> flux;
  ComPtr<IWICBitmapDecoder> decodeur;
  ComPtr<IWICBitmapFrameDecode> trame;
  ComPtr<IWICFormatConverter> conversion;
  UINT l = 0, h = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&fabrique))) ||
      FAILED(fabrique->CreateStream(&flux)) ||
      FAILED(flux->InitializeFromMemory(static_cast<BYTE*>(donnees), taille)) ||
      FAILED(fabrique->CreateDecoderFromStream(flux.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decodeur)) ||
      FAILED(decodeur->GetFrame(0, &trame)) || FAILED(fabrique->CreateFormatConverter(&conversion)) ||
      FAILED(conversion->Initialize(trame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                    0.0, WICBitmapPaletteTypeCustom)) ||
      FAILED(conversion->GetSize(&l, &h)))
    throw echec();

  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = static_cast<LONG>(l);
  bi.bmiHeader.biHeight = -static_cast<LONG>(h);  // top-down, as WIC writes the rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ObjetGdi<HBITMAP> bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || FAILED(conversion->CopyPixels(nullptr, l * 4, l * 4 * h, static_cast<BYTE*>(bits)))) throw echec();
  largeur = static_cast<int>(l);
  hauteur = static_cast<int>(h);
  return bitmap.Detacher();
}

ImageList::ImageList(const char* ressource, int largeur, int hauteur) {
  int l = 0, h = 0;
  HBITMAP b = ChargerPng(ressource, l, h);
  bitmap_ = ObjetGdi<HBITMAP>(b);
  largeurTotale_ = l;
  largeur_ = largeur ? largeur : l;
  hauteur_ = hauteur ? hauteur : h;
}

void ImageList::Dessiner(HDC dc, int x, int y, int index) const {
  const RECT cible{x, y, x + largeur_, y + hauteur_};
  DessinerPartie(dc, cible, index, RECT{0, 0, largeur_, hauteur_});
}

void ImageList::DessinerPartie(HDC dc, const RECT& cible, int index, const RECT& source) const {
  if (index < 0 || index >= Nombre()) return;
  HDC memoire = CreateCompatibleDC(dc);
  {
    Selection sel(memoire, bitmap_.get());
    const BLENDFUNCTION melange{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, cible.left, cible.top, cible.right - cible.left, cible.bottom - cible.top, memoire,
               index * largeur_ + source.left, source.top, source.right - source.left, source.bottom - source.top,
               melange);
  }
  DeleteDC(memoire);
}

}  // namespace ui
