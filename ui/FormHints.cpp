#include "ui/FormHints.h"

#include <algorithm>
#include <cstddef>

#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/System.h"

namespace ui {
namespace {

constexpr int kLongWidth = 320;        // pixels at 96 dpi; a longer hint wraps
constexpr WORD kLongDuration = 30000;  // ms on the screen, enough to read three lines

// The tool that shows `text` over a control of the form: the tooltip watches the control's own mouse
// messages.
TTTOOLINFOW Tool(HWND form, HWND control, const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  return tool;
}

}  // namespace

HWND FormHints::CreateTooltip() const {
  // Owned by the form, so that it goes with it.
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_.Handle(), nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void FormHints::Add(HWND control, const std::wstring& text) {
  if (!short_) {
    short_ = CreateTooltip();
    Rescale();
  }
  TTTOOLINFOW tool = Tool(form_.Handle(), control, text);
  SendMessageW(short_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormHints::Set(Control& control, const std::wstring& text) {
  if (!long_) {
    long_ = CreateTooltip();
    Rescale();
    SendMessageW(long_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kLongDuration, 0));
  }
  // The tooltip watches the control's own mouse messages, which a picture otherwise passes on.
  if (auto* picture = dynamic_cast<Picture*>(&control)) picture->SetMouseTransparent(false);
  TTTOOLINFOW tool = Tool(form_.Handle(), control.Handle(), text);
  const bool known = std::find(hinted_.begin(), hinted_.end(), control.Handle()) != hinted_.end();
  SendMessageW(long_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!known) hinted_.push_back(control.Handle());
}

void FormHints::Rescale() {
  if (long_) SendMessageW(long_, TTM_SETMAXTIPWIDTH, 0, form_.Scale(kLongWidth));
  // A tooltip takes the system's status font, made for the screen's one dpi: on a monitor of another scale
  // it gets that font at the form's (SystemParametersInfoForDpi, Windows 10 1607; before it, the system's
  // font scaled from the screen's dpi).
  if (!font_ && form_.Dpi() == DpiOf(nullptr)) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!Sys().SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                        static_cast<UINT>(form_.Dpi()))) {
    // Without iPaddedBorderWidth, the size that every Windows takes.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!Sys().SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, form_.Dpi(), DpiOf(nullptr));
  }
  GdiObject<HFONT> font(CreateFontIndirectW(&metrics.lfStatusFont));
  if (!font) return;
  for (HWND tips : {short_, long_})
    if (tips) SendMessageW(tips, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  font_ = std::move(font);  // the previous one, no longer in use, goes
}

}  // namespace ui
