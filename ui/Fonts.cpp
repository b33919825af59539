#include "ui/Fonts.h"

#include "ui/Dpi.h"

namespace ui {
namespace {

GdiObject<HFONT> FontOfFace(int pixels, bool bold, bool underline, const wchar_t* face) {
  // A negative height is the character height in pixels.
  return GdiObject<HFONT>(CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face));
}

// A line of the letters, digits and colon of the captions.
constexpr wchar_t kSample[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 :";

int SampleWidth(HFONT font) {
  SIZE size{};
  HDC dc = MeasureDc();
  SelectedObject selected(dc, font);
  GetTextExtentPoint32W(dc, kSample, static_cast<int>(std::size(kSample) - 1), &size);
  return size.cx;
}

GdiObject<HFONT> FittedFont(int height, bool bold, bool underline, int dpi) {
  GdiObject<HFONT> bitmap = FontOfFace(height, bold, underline, L"MS Sans Serif");
  if (dpi == kDesignDpi) return bitmap;
  // Measured here rather than written down: the system's bitmap font and Wine's are not the same.
  const int room = Scaled(SampleWidth(bitmap.get()), dpi);
  for (int pixels = Scaled(height, dpi);; --pixels) {
    GdiObject<HFONT> font = FontOfFace(pixels, bold, underline, L"Microsoft Sans Serif");
    if (pixels <= height || SampleWidth(font.get()) <= room) return font;
  }
}

}  // namespace

FormFonts::FormFonts(int dpi) {
  fonts_[static_cast<int>(FontStyle::Regular)] = FittedFont(11, false, false, dpi);
  fonts_[static_cast<int>(FontStyle::Heading)] = FittedFont(13, true, true, dpi);
  fonts_[static_cast<int>(FontStyle::Bold)] = FittedFont(13, true, false, dpi);
}

}  // namespace ui
