// The parts of a form that act on the user's request beyond its controls: hints set after creation.
#include <algorithm>

#include "ui/Form.h"
#include "ui/Picture.h"

namespace ui {
namespace {

constexpr int kHintWidth = 320;        // pixels; a longer hint wraps
constexpr WORD kHintDuration = 30000;  // ms on the screen, enough to read three lines

}  // namespace

void Form::SetHint(Control& control, const std::wstring& text) {
  if (!longHints_) {
    longHints_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(longHints_, TTM_SETMAXTIPWIDTH, 0, kHintWidth);
    SendMessageW(longHints_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kHintDuration, 0));
  }
  // The tooltip watches the control's own mouse messages, which a picture otherwise passes on.
  if (auto* picture = dynamic_cast<Picture*>(&control)) picture->SetMouseTransparent(false);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  const bool known = std::find(hinted_.begin(), hinted_.end(), control.Handle()) != hinted_.end();
  SendMessageW(longHints_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!known) hinted_.push_back(control.Handle());
}

}  // namespace ui
