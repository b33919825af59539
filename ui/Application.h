#pragma once
// The application object: COM for the UI thread, the title, the help file name, the forms it owns,
// the event loop and the top-level error box. Its hidden top-level window (class "TApplication") carries
// the title, so that a second start of the program can find the running one by it.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Help.h"
#include "ui/Form.h"

namespace ui {

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // COM (single-threaded apartment) and the common controls for this thread.
  void Initialize();

  HWND Handle() const { return handle_; }
  std::wstring Title() const;
  void SetTitle(const std::wstring& title);
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(std::string name) { helpFile_ = std::move(name); }
  // Every request to the help engine goes through here: the application's help file, owned by the main
  // form (the hidden window before there is one). No form has a help file of its own. With no help file,
  // nothing is sent and the result is false.
  bool HelpCommand(UINT command, ULONG_PTR data);
  // The help file's contents, then its topic (JumpID); when the contents request fails nothing more is
  // sent and the jump counts as done. Otherwise the result is the jump's.
  bool HelpJump(const std::string& topic);
  // Replaces the help engine (nullptr: the browser again); tests install one that records the requests.
  void SetHelpEngine(HelpEngine* engine) { helpEngine_ = engine; }

  // Forms are destroyed in the reverse order of their creation. The main form is the one made by
  // CreateMainForm: Run shows it, closing it ends the program, a modal form disables it, and the dialog
  // boxes made after it (BorderStyle::Dialog) are owned by it.
  template <class F, class... A>
  F* CreateForm(A&&... args) {
    auto form = std::make_unique<F>(std::forward<A>(args)...);
    F* f = form.get();
    forms_.push_back(std::move(form));
    return f;
  }
  template <class F, class... A>
  F* CreateMainForm(A&&... args) {
    F* f = CreateForm<F>(std::forward<A>(args)...);
    mainForm_ = f;
    return f;
  }
  Form* MainForm() const { return mainForm_; }
  // The owner of the dialogs and error boxes: the main form once it is visible, since it has its own
  // taskbar button, so that they stay in front of it and come back with it; the hidden window before.
  HWND DialogOwner() const;
  // Destroys the forms, the last created first (the application's end does it too).
  void DestroyForms() {
    while (!forms_.empty()) {
      if (forms_.back().get() == mainForm_) mainForm_ = nullptr;
      forms_.pop_back();
    }
  }

  // Whether Run shows the main form; a handing-over second instance clears it.
  bool ShowMainForm = true;
  // Shows the main form (held back, minimised, for SW_SHOWMINNOACTIVE) and takes the messages
  // (RunMessageLoop) until a quit request.
  void Run(int showCommand);
  void Terminate() { PostQuitMessage(0); }

  // The top-level error box for the exception being handled (call inside a catch block).
  void HandleException();
  void ShowException(const std::wstring& message);
  // When set, receives the messages instead of the error box (tests record them).
  std::function<void(const std::wstring& message)> OnException;

  // The hidden window mirrors the main form's minimised state, so that a second instance can test it with
  // IsIconic and restore the form through it.
  void MirrorMinimized(bool minimized);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  void RestoreMainForm();

  HWND handle_ = nullptr;
  std::string helpFile_;
  BrowserHelp browser_;
  HelpEngine* helpEngine_ = nullptr;
  std::vector<std::unique_ptr<Form>> forms_;
  Form* mainForm_ = nullptr;
  bool comInitialized_ = false;
};

extern TApplication* Application;

// For the kit's window procedures: the error box of the current exception, when there is an application.
void HandleCurrentException();
// The message of the exception being handled (call inside a catch block), as the error box shows it.
std::wstring CurrentExceptionMessage();

}  // namespace ui
