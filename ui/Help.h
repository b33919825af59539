#pragma once
// The help engine behind the application's help requests. The system's WinHelp engine is gone from
// Windows, so the program's help is an HTML page beside it, shown in the default browser.
#include <string>
#include <utility>

#include "ui/Win.h"

namespace ui {

// Takes the requests of WinHelpA: the owner window, the help file, the command and its data.
class HelpEngine {
 public:
  virtual ~HelpEngine() = default;
  virtual bool WinHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data) = 0;
};

// The real engine: the page of the help file (its name with ".html", in the program's folder) at the
// topic of a JumpID macro. It returns at once and reports nothing; a failure is a false result.
class BrowserHelp : public HelpEngine {
 public:
  // The page is looked for in `folder`, the program's folder unless a test gives another.
  explicit BrowserHelp(std::wstring folder = ProgramFolder()) : folder_(std::move(folder)) {}

  // HELP_CONTENTS: whether the page is there. A browser shows one page per request, and the jump to the
  // topic always follows, so the page is shown by the jump alone.
  // HELP_COMMAND: shows the page at the topic of a JumpID("","topic") macro.
  // HELP_QUIT: accepted; the browser's window belongs to the user.
  bool WinHelp(HWND owner, const std::string& file, UINT command, ULONG_PTR data) override;

 private:
  std::wstring folder_;
};

}  // namespace ui
