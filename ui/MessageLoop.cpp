#include "ui/MessageLoop.h"

#include "ui/Form.h"

namespace ui {

std::optional<int> RunMessageLoop(const std::function<bool()>& done) {
  MSG msg;
  while (!done || !done()) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return static_cast<int>(msg.wParam);
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    Control* top = root ? Control::FromHandle(root) : nullptr;
    if (auto* form = dynamic_cast<Form*>(top)) {
      if (form->Commands().Translate(msg) || form->Keyboard().Translate(msg)) continue;
    }
    if (top && IsDialogMessageW(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return std::nullopt;
}

}  // namespace ui
