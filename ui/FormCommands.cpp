#include "ui/FormCommands.h"

#include "ui/Form.h"

namespace ui {
namespace {

// Identifiers of the shortcuts' and system menu items' commands: below the system's own (0xF000), their
// four low bits zero, as the system keeps those of a system command for itself.
constexpr WPARAM kFirstCommand = 0x100;
constexpr WPARAM kCommandStep = 0x10;

}  // namespace

FormCommands::~FormCommands() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void FormCommands::AddShortcut(WORD key, std::function<void()> action) {
  const WPARAM id = Add(std::move(action));
  shortcuts_.push_back(ACCEL{FVIRTKEY | FCONTROL, key, static_cast<WORD>(id)});
  // A table cannot grow: it is made anew with every shortcut.
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  accelerators_ = CreateAcceleratorTableW(shortcuts_.data(), static_cast<int>(shortcuts_.size()));
}

void FormCommands::AddSystemMenuItem(const std::wstring& caption, std::function<void()> action) {
  HMENU menu = GetSystemMenu(form_.Handle(), FALSE);
  if (!menu) return;
  const WPARAM id = Add(std::move(action));
  // Set apart from the system's own items.
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, id, caption.c_str());
}

bool FormCommands::Translate(MSG& msg) const {
  return accelerators_ && TranslateAcceleratorW(form_.Handle(), accelerators_, &msg) != 0;
}

WPARAM FormCommands::Add(std::function<void()> action) {
  actions_.push_back(std::move(action));
  return kFirstCommand + kCommandStep * (actions_.size() - 1);
}

bool FormCommands::Run(UINT msg, WPARAM wp) {
  // A shortcut comes as WM_COMMAND, a system menu item as WM_SYSCOMMAND, whose four low bits are the system's.
  const WPARAM id = msg == WM_SYSCOMMAND ? (wp & 0xFFF0) : LOWORD(wp);
  if (id < kFirstCommand || (id - kFirstCommand) % kCommandStep) return false;
  const size_t index = (id - kFirstCommand) / kCommandStep;
  if (index >= actions_.size()) return false;
  actions_[index]();
  return true;
}

}  // namespace ui
