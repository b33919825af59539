#pragma once
// The one message loop of the UI thread, for the application's run and a form's modal run.
#include <functional>
#include <optional>

namespace ui {

// Takes the thread's messages until `done` (asked before each one; none: never) or a quit request. Each
// message goes first to the form it belongs to (its shortcuts, then its own keys), then to the dialog
// manager of that form (Tab, arrows, Enter, mnemonics), else to its window. nullopt once `done`; the quit
// request's exit code when it came first.
std::optional<int> RunMessageLoop(const std::function<bool()>& done = {});

}  // namespace ui
