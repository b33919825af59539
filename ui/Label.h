#pragma once
// A label: a STATIC control whose window text is its caption ('&' marks a mnemonic, "&&" shows '&').
// It fits its text on one line unless it has a fixed size or wraps its words at a fixed width. Without a
// colour of its own it is transparent over its parent; with one it is opaque, its text on a band of it.
#include <optional>

#include "ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  explicit Label(const CreateParams& c);

  void SetText(const std::wstring& text) override;
  // Sets the background colour (0x00BBGGRR); the label stops following its parent's colour.
  void SetColor(COLORREF color);
  std::optional<COLORREF> Color() const { return color_; }

  HBRUSH HandleCtlColor(HDC dc) override;
  void Rescale(const RECT& bounds, HFONT font) override;

 private:
  // The size the text needs: its own width on one line, or the given width when it wraps its words.
  SIZE TextExtent(const std::wstring& text, int givenWidth) const;
  void AdjustSize(const std::wstring& text);

  uint16_t options_;
  HFONT font_;
  std::optional<COLORREF> color_;
  GdiObject<HBRUSH> brush_;
};

}  // namespace ui
