#pragma once
// The commands of a form beyond its controls: keyboard shortcuts (an accelerator table) and items of the
// window's system menu, each running an action.
#include <functional>
#include <string>
#include <vector>

#include "ui/Win.h"

namespace ui {

class Form;

class FormCommands {
 public:
  explicit FormCommands(const Form& form) : form_(form) {}
  ~FormCommands();
  FormCommands(const FormCommands&) = delete;
  FormCommands& operator=(const FormCommands&) = delete;

  // Runs `action` on Ctrl + `key` (a virtual-key code, 'C') wherever the focus is in the form.
  void AddShortcut(WORD key, std::function<void()> action);
  // Appends an item that runs `action` to the window's system menu.
  void AddSystemMenuItem(const std::wstring& caption, std::function<void()> action);

  // The message loop's question for each message of the form's windows: true when it was a shortcut, run.
  bool Translate(MSG& msg) const;
  // The form's question for its WM_COMMAND without a control and its WM_SYSCOMMAND: true when it was one of
  // these commands, run.
  bool Run(UINT msg, WPARAM wp);

 private:
  WPARAM Add(std::function<void()> action);  // its identifier

  const Form& form_;
  std::vector<std::function<void()>> actions_;  // by identifier (kFirstCommand + 16 * index)
  std::vector<ACCEL> shortcuts_;
  HACCEL accelerators_ = nullptr;
};

}  // namespace ui
