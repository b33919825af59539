// The skin of the tab control: its drawing and its theme file.
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/TabControl.h"

namespace ui {
namespace {

constexpr int kMaxFile = 64 * 1024;

COLORREF Blend(COLORREF a, COLORREF b, int percent) {
  auto m = [&](BYTE x, BYTE y) { return static_cast<BYTE>((x * (100 - percent) + y * percent) / 100); };
  return RGB(m(GetRValue(a), GetRValue(b)), m(GetGValue(a), GetGValue(b)), m(GetBValue(a), GetBValue(b)));
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Gradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  if (r.bottom <= r.top || r.right <= r.left) return;
  auto vertex = [](LONG x, LONG y, COLORREF c) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(GetRValue(c) << 8),
                     static_cast<COLOR16>(GetGValue(c) << 8),
                     static_cast<COLOR16>(GetBValue(c) << 8),
                     0};
  };
  TRIVERTEX vertices[2] = {vertex(r.left, r.top, top), vertex(r.right, r.bottom, bottom)};
  GRADIENT_RECT rect{0, 1};
  // GDI's own entry, which msimg32's GradientFill forwards to.
  GdiGradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

// A line through the points, in one pixel of the colour, the last point included.
void Line(HDC dc, std::initializer_list<POINT> points, COLORREF colour) {
  SetDCPenColor(dc, colour);
  SelectedObject pen(dc, GetStockObject(DC_PEN));
  const POINT* p = points.begin();
  MoveToEx(dc, p->x, p->y, nullptr);
  for (++p; p != points.end(); ++p) LineTo(dc, p->x, p->y);
  SetPixelV(dc, (p - 1)->x, (p - 1)->y, colour);
}

}  // namespace

TabStyle LoadTheme(const std::wstring& absolute, const std::wstring& programFolder) {
  const std::wstring beside = programFolder + L"\\" + absolute.substr(absolute.find_last_of(L"\\/") + 1);
  for (const std::wstring& path : {absolute, beside}) {
    base::Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) continue;
    // The first file found decides; a theme is a few lines, so a large file is not one.
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxFile) return {};
    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr) || read != text.size())
      return {};
    return ParseTheme(text).value_or(TabStyle{});
  }
  return {};
}

void TabControl::Paint(HDC target) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC dc = CreateCompatibleDC(target);
  GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(target, client.right, client.bottom));
  {
    SelectedObject sel(dc, buffer.get());
    // Beside the tabs, what lies under the control: the form's background picture.
    if (Picture* background = form_.Background())
      background->PaintUnder(dc, BoundsRect());
    else
      FillRect(dc, &client, form_.Brush());
    const int top = form_.Scale(kBodyTop);
    const RECT body{0, top, client.right, client.bottom};
    Fill(dc, body, style_.body);
    // The skin's lines stay one pixel wide at every scale, as the system draws its own frames.
    Line(dc,
         {{0, top}, {client.right - 1, top}, {client.right - 1, client.bottom - 1}, {0, client.bottom - 1}, {0, top}},
         style_.border);
    const auto chosen = static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i)
      if (i != chosen) PaintTab(dc, i, false);
    if (chosen >= 0 && chosen < static_cast<int>(tabs_.size())) PaintTab(dc, chosen, true);
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  }
  DeleteDC(dc);
}

void TabControl::PaintTab(HDC dc, int index, bool active) const {
  RECT r = tabs_[static_cast<size_t>(index)];
  const LONG left = r.left, right = r.right - 1, top = form_.Scale(kBodyTop), corner = form_.Scale(2),
             band = form_.Scale(2);
  if (active) {
    // The tab on show stands higher and opens into the body, over the frame's row.
    r.top -= form_.Scale(kRaise);
    Fill(dc, RECT{left + 1, r.top + 1, right, top + 1}, style_.body);
    Fill(dc, RECT{left + 2, r.top + 1, right - 1, r.top + 1 + band}, style_.accent);
    Line(dc, {{left + 1, r.top + 1 + band}, {right - 1, r.top + 1 + band}}, Blend(style_.accent, style_.body, 50));
  } else {
    // A glossy face: a light upper half over the darker lower one.
    const LONG middle = (r.top + top) / 2;
    Gradient(dc, RECT{left + 1, r.top + 1, right, middle}, Blend(style_.top, RGB(255, 255, 255), 45), style_.top);
    Gradient(dc, RECT{left + 1, middle, right, top}, style_.bottom, Blend(style_.bottom, style_.top, 55));
  }
  Line(dc,
       {{left, top},
        {left, r.top + corner},
        {left + corner, r.top},
        {right - corner, r.top},
        {right, r.top + corner},
        {right, top}},
       style_.border);

  const std::wstring& caption = captions_[static_cast<size_t>(index)];
  RECT text{left, r.top + (active ? 1 + band : 1), right + 1, top};
  SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, active ? style_.activeText : style_.text);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (active && GetFocus() == hwnd_ && FocusShown()) {
    InflateRect(&text, -form_.Scale(4), -form_.Scale(3));
    DrawFocusRect(dc, &text);
  }
}

}  // namespace ui
