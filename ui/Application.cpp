#include "ui/Application.h"

#include <objbase.h>

#include "ui/AideRules.h"
#include "ui/Exception.h"
#include "ui/TextRules.h"

namespace ui {

TApplication* Application = nullptr;

namespace {
constexpr wchar_t kClasse[] = L"TApplication";
constexpr UINT kActiverForme = WM_APP + 1;
}  // namespace

void GererException() {
  if (Application) Application->HandleException();
}

TApplication::TApplication() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kClasse;
  RegisterClassExW(&wc);
  // A tool window of no size that is never shown: no taskbar button of its own, yet a top-level window
  // that FindWindow sees.
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClasse, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TApplication::~TApplication() {
  while (!formes_.empty()) formes_.pop_back();
  // Closes a help window that the program opened.
  if (!fichierAide_.empty()) HelpCommand(HELP_QUIT, 0);
  if (handle_) DestroyWindow(handle_);
  if (comInitialise_) CoUninitialize();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  comInitialise_ = SUCCEEDED(CoInitialize(nullptr));
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

std::wstring TApplication::Title() const {
  wchar_t titre[256] = {};
  GetWindowTextW(handle_, titre, 256);
  return titre;
}

void TApplication::SetTitle(const std::wstring& titre) { SetWindowTextW(handle_, titre.c_str()); }

bool TApplication::HelpCommand(UINT commande, ULONG_PTR donnees) {
  if (fichierAide_.empty()) return false;
  HWND proprietaire = MainForm() ? MainForm()->Handle() : handle_;
  MoteurAide& moteur = moteurAide_ ? *moteurAide_ : navigateur_;
  return moteur.WinHelp(proprietaire, fichierAide_, commande, donnees);
}

bool TApplication::HelpJump(const std::string& sujet) {
  if (!HelpCommand(HELP_CONTENTS, 0)) return true;
  const std::string commande = CommandeSaut(sujet);
  return HelpCommand(HELP_COMMAND, reinterpret_cast<ULONG_PTR>(commande.c_str()));
}

void TApplication::Run(int commandeAffichage) {
  if (Form* principale = MainForm(); principale && ShowMainForm) {
    if (commandeAffichage == SW_SHOWMINNOACTIVE) principale->ShowMinimiseDiffere();
    else principale->Show();
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND racine = GetAncestor(msg.hwnd, GA_ROOT);
    if (racine && Control::Depuis(racine) && IsDialogMessageW(racine, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::HandleException() {
  std::wstring message;
  try {
    throw;
  } catch (const Exception& e) {
    message = e.Message();
  } catch (const std::exception& e) {
    message = DepuisUtf8(e.what());
  } catch (...) {
    message = L"Erreur inconnue";
  }
  if (OnException) OnException(message);
  else ShowException(message);
}

void TApplication::ShowException(const std::wstring& message) {
  // Wide, so that the French texts show right on any system code page.
  HWND proprietaire = GetActiveWindow();
  if (!proprietaire) proprietaire = handle_;
  MessageBoxW(proprietaire, TexteBoiteErreur(message).c_str(), Title().c_str(), MB_ICONERROR | MB_OK);
}

void TApplication::MiroirMinimise(bool minimise) {
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  SetWindowLongPtrW(handle_, GWL_STYLE, minimise ? style | WS_MINIMIZE : style & ~LONG_PTR{WS_MINIMIZE});
}

void TApplication::RestaurerFormePrincipale() {
  if (Form* principale = MainForm()) {
    if (IsIconic(principale->Handle())) ShowWindow(principale->Handle(), SW_RESTORE);
    SetForegroundWindow(principale->Handle());
  }
}

LRESULT CALLBACK TApplication::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!app) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return app->Message(msg, wp, lp);
  } catch (...) {
    app->HandleException();
    return 0;
  }
}

LRESULT TApplication::Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_QUERYOPEN:
      // Another instance restores us (ShowWindow SW_RESTORE): the main form comes back instead.
      MiroirMinimise(false);
      RestaurerFormePrincipale();
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
      if (LOWORD(wp) != WA_INACTIVE) PostMessageW(handle_, kActiverForme, 0, 0);
      return 0;
    case kActiverForme:
      if (GetForegroundWindow() == handle_) RestaurerFormePrincipale();
      return 0;
    case WM_CLOSE:
      Terminate();
      return 0;
  }
  return DefWindowProcW(handle_, msg, wp, lp);
}

}  // namespace ui
