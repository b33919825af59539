#pragma once
// The platform's save-file dialog, run modally over the application's windows. FileName is the name
// proposed, and after a confirmed dialog the full path chosen, which the next run proposes again.
#include <string>

namespace ui {

struct SaveDialog {
  std::wstring Title;
  std::wstring FileName;
  std::wstring Filter;      // "description|pattern", pairs separated by '|'
  std::wstring DefaultExt;  // passed to the platform as it stands

  // True when the user confirmed a name; false on cancel or when the dialog cannot be shown.
  bool Execute();
};

}  // namespace ui
