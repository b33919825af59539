#include "ui/Application.h"

#include <objbase.h>

#include "ui/HelpRules.h"
#include "ui/MessageLoop.h"
#include "ui/System.h"
#include "base/Exception.h"
#include "base/Textes.h"
#include "ui/TextRules.h"

namespace ui {

TApplication* Application = nullptr;

namespace {
constexpr wchar_t kClass[] = L"TApplication";
constexpr UINT kActivateForm = WM_APP + 1;
}  // namespace

void HandleCurrentException() {
  if (Application) Application->HandleException();
}

TApplication::TApplication() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  // Both sizes from the resource: given no small icon, the class would make one by copying the large.
  wc.hIcon = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_SHARED));
  wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  wc.lpszClassName = kClass;
  if (!RegisterClassExW(&wc) && wc.hIconSm) DestroyIcon(wc.hIconSm);  // registered before: not the class's
  // A tool window of no size that is never shown: no taskbar button of its own, yet a top-level window
  // that FindWindow sees.
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0,
                            0, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TApplication::~TApplication() {
  DestroyForms();
  // Closes a help window that the program opened.
  if (!helpFile_.empty()) HelpCommand(HELP_QUIT, 0);
  if (handle_) DestroyWindow(handle_);
  if (comInitialized_) CoUninitialize();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

std::wstring TApplication::Title() const {
  wchar_t title[256] = {};
  GetWindowTextW(handle_, title, 256);
  return title;
}

void TApplication::SetTitle(const std::wstring& title) { SetWindowTextW(handle_, title.c_str()); }

bool TApplication::HelpCommand(UINT command, ULONG_PTR data) {
  if (helpFile_.empty()) return false;
  HWND owner = MainForm() ? MainForm()->Handle() : handle_;
  HelpEngine& engine = helpEngine_ ? *helpEngine_ : browser_;
  return engine.WinHelp(owner, helpFile_, command, data);
}

bool TApplication::HelpJump(const std::string& topic) {
  if (!HelpCommand(HELP_CONTENTS, 0)) return true;
  const std::string command = JumpCommand(topic);
  return HelpCommand(HELP_COMMAND, reinterpret_cast<ULONG_PTR>(command.c_str()));
}

void TApplication::Run(int showCommand) {
  if (Form* main = MainForm(); main && ShowMainForm) {
    if (showCommand == SW_SHOWMINNOACTIVE)
      main->ShowMinimizedDeferred();
    else
      main->Show();
  }
  RunMessageLoop();
}

std::wstring CurrentExceptionMessage() {
  try {
    throw;
  } catch (const base::Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return base::DepuisUtf8(e.what());
  } catch (...) {
    return base::Dire(base::Texte::ErreurInconnue);
  }
}

void TApplication::HandleException() {
  const std::wstring message = CurrentExceptionMessage();
  if (OnException)
    OnException(message);
  else
    ShowException(message);
}

void TApplication::ShowException(const std::wstring& message) {
  // Wide, so that the French texts show right on any system code page.
  HWND owner = GetActiveWindow();
  if (!owner || owner == handle_) owner = DialogOwner();
  Sys().MessageBoxW(owner, ErrorBoxText(message).c_str(), Title().c_str(), MB_ICONERROR | MB_OK);
}

HWND TApplication::DialogOwner() const {
  const Form* main = MainForm();
  return main && IsWindowVisible(main->Handle()) ? main->Handle() : handle_;
}

void TApplication::MirrorMinimized(bool minimized) {
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  SetWindowLongPtrW(handle_, GWL_STYLE, minimized ? style | WS_MINIMIZE : style & ~LONG_PTR{WS_MINIMIZE});
}

void TApplication::RestoreMainForm() {
  if (Form* main = MainForm()) {
    if (IsIconic(main->Handle())) ShowWindow(main->Handle(), SW_RESTORE);
    SetForegroundWindow(main->Handle());
  }
}

LRESULT CALLBACK TApplication::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!app) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return app->WndProc(msg, wp, lp);
  } catch (...) {
    app->HandleException();
    return 0;
  }
}

LRESULT TApplication::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_QUERYOPEN:
      // Another instance restores us (ShowWindow SW_RESTORE): the main form comes back instead.
      MirrorMinimized(false);
      RestoreMainForm();
      return TRUE;
    case WM_WINDOWPOSCHANGING: {
      // This window stays hidden and never takes the activation itself.
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      pos->flags &= ~SWP_SHOWWINDOW;
      pos->flags |= SWP_NOACTIVATE;
      return 0;
    }
    case WM_ACTIVATE:
      // Activated from outside (SetForegroundWindow by another instance): hand it to the main form, once the
      // activation has settled, so that the two windows do not pass it back and forth.
      if (LOWORD(wp) != WA_INACTIVE) PostMessageW(handle_, kActivateForm, 0, 0);
      return 0;
    case kActivateForm:
      if (GetForegroundWindow() == handle_) RestoreMainForm();
      return 0;
    case WM_CLOSE: Terminate(); return 0;
  }
  return DefWindowProcW(handle_, msg, wp, lp);
}

}  // namespace ui
