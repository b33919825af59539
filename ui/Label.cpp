#include "ui/Label.h"

namespace ui {

Label::Label(const CreateParams& c) : Control(c.desc.name), options_(c.desc.options), font_(c.font) {
  const DWORD style = (options_ & kWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP;
  // Created at the size its text needs, so that it is not resized straight away.
  if (options_ & kFixedSize) {
    CreateWnd(c, L"Static", style | SS_NOTIFY);
  } else {
    const SIZE size = TextExtent(c.desc.text ? c.desc.text : L"", c.bounds.right - c.bounds.left);
    CreateWnd(c, L"Static", style | SS_NOTIFY, 0, &size);
  }
  // A new child window goes below its older siblings; a label made later is drawn over the labels before
  // it, as the form's rows were designed: a value over the end of a long caption that reaches it. Labels
  // take no focus, so the tab order is untouched.
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Label::Rescale(const RECT& bounds, HFONT font) {
  font_ = font;
  Control::Rescale(bounds, font);
  AdjustSize(Text());
}

void Label::SetText(const std::wstring& text) {
  Control::SetText(text);
  AdjustSize(text);
  Redraw();
}

void Label::SetColor(COLORREF color) {
  if (color_ == color) return;
  color_ = color;
  brush_ = GdiObject<HBRUSH>(CreateSolidBrush(color));
  Redraw();
}

HBRUSH Label::HandleCtlColor(HDC dc) {
  if (!color_) return nullptr;  // the parent's colour, transparently
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, *color_);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return brush_.get();
}

SIZE Label::TextExtent(const std::wstring& text, int givenWidth) const {
  const bool wrap = options_ & kWordWrap;
  RECT r{0, 0, wrap ? givenWidth : 0, 0};
  HDC dc = MeasureDc();
  {
    SelectedObject font(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
  }
  if (text.empty()) r.right = 0;
  // A word-wrapped label keeps its width and grows downwards, whatever its longest line.
  if (wrap) r.right = givenWidth;
  return SIZE{r.right, r.bottom};
}

void Label::AdjustSize(const std::wstring& text) {
  if (options_ & kFixedSize) return;
  // Only a word-wrapped label measures within its width.
  int width = 0;
  if (options_ & kWordWrap) {
    const RECT bounds = BoundsRect();
    width = bounds.right - bounds.left;
  }
  const SIZE size = TextExtent(text, width);
  const UINT hidden = IsWindowVisible(hwnd_) ? 0 : SWP_NOREDRAW | SWP_DEFERERASE;
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | hidden);
}

}  // namespace ui
