// The parts of a form that act on the user's request beyond its controls: hints set after creation,
// keyboard shortcuts and items of the system menu.
#include <algorithm>

#include "base/Tardives.h"
#include "ui/Dpi.h"
#include "ui/Form.h"
#include "ui/Picture.h"

namespace ui {
namespace {

// Identifiers of the shortcuts' and system menu items' commands: below the system's own (0xF000), their
// four low bits zero, as the system keeps those of a system command for itself.
constexpr WPARAM kFirstCommand = 0x100;
constexpr WPARAM kCommandStep = 0x10;

constexpr int kHintWidth = 320;        // pixels at 96 dpi; a longer hint wraps
constexpr WORD kHintDuration = 30000;  // ms on the screen, enough to read three lines

}  // namespace

void Form::SetHint(Control& control, const std::wstring& text) {
  if (!longHints_) {
    longHints_ = CreateTooltip();
    ScaleHints();
    SendMessageW(longHints_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kHintDuration, 0));
  }
  // The tooltip watches the control's own mouse messages, which a picture otherwise passes on.
  if (auto* picture = dynamic_cast<Picture*>(&control)) picture->SetMouseTransparent(false);
  TTTOOLINFOW tool = Tool(control.Handle(), text);
  const bool known = std::find(hinted_.begin(), hinted_.end(), control.Handle()) != hinted_.end();
  SendMessageW(longHints_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!known) hinted_.push_back(control.Handle());
}

void Form::ScaleHints() {
  if (longHints_) SendMessageW(longHints_, TTM_SETMAXTIPWIDTH, 0, Scale(kHintWidth));
  // A tooltip takes the system's status font, made for the screen's one dpi: on a monitor of another scale
  // it gets that font at the form's (SystemParametersInfoForDpi, Windows 10 1607).
  if (!hintFont_ && Dpi() == DpiOf(nullptr)) return;
  const auto forDpi = base::tardives::SystemParametersInfoForDpi();
  if (!forDpi) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(Dpi()))) return;
  GdiObject<HFONT> font(CreateFontIndirectW(&metrics.lfStatusFont));
  if (!font) return;
  for (HWND tips : {hints_, longHints_})
    if (tips) SendMessageW(tips, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  hintFont_ = std::move(font);  // the previous one, no longer in use, goes
}

void Form::AddShortcut(WORD key, std::function<void()> action) {
  const WPARAM id = AddCommand(std::move(action));
  shortcuts_.push_back(ACCEL{FVIRTKEY | FCONTROL, key, static_cast<WORD>(id)});
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  accelerators_ = CreateAcceleratorTableW(shortcuts_.data(), static_cast<int>(shortcuts_.size()));
}

bool Form::TranslateShortcut(MSG& msg) const {
  return accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_, &msg) != 0;
}

void Form::AddSystemMenuItem(const std::wstring& caption, std::function<void()> action) {
  HMENU menu = GetSystemMenu(hwnd_, FALSE);
  if (!menu) return;
  const WPARAM id = AddCommand(std::move(action));
  // Set apart from the system's own items.
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, id, caption.c_str());
}

WPARAM Form::AddCommand(std::function<void()> action) {
  commands_.push_back(std::move(action));
  return kFirstCommand + kCommandStep * (commands_.size() - 1);
}

bool Form::RunCommand(UINT msg, WPARAM wp) {
  // A shortcut comes as WM_COMMAND, a system menu item as WM_SYSCOMMAND, whose four low bits are the system's.
  const WPARAM id = msg == WM_SYSCOMMAND ? (wp & 0xFFF0) : LOWORD(wp);
  if (id < kFirstCommand || (id - kFirstCommand) % kCommandStep) return false;
  const size_t index = (id - kFirstCommand) / kCommandStep;
  if (index >= commands_.size()) return false;
  commands_[index]();
  return true;
}

}  // namespace ui
