#include "ui/Systeme.h"

#include <shellapi.h>

namespace ui {
namespace {

Systeme gReel;
Systeme* gSysteme = &gReel;

}  // namespace

Systeme& Sys() { return *gSysteme; }
void RemplacerSysteme(Systeme* systeme) { gSysteme = systeme ? systeme : &gReel; }

BOOL Systeme::GetWindowPlacement(HWND fenetre, WINDOWPLACEMENT* placement) {
  return ::GetWindowPlacement(fenetre, placement);
}

BOOL Systeme::SetWindowPlacement(HWND fenetre, const WINDOWPLACEMENT* placement) {
  return ::SetWindowPlacement(fenetre, placement);
}

POINT Systeme::OrigineEspaceTravail(HWND fenetre) {
  MONITORINFO moniteur{};
  moniteur.cbSize = sizeof moniteur;
  if (!GetMonitorInfoW(MonitorFromWindow(fenetre, MONITOR_DEFAULTTONEAREST), &moniteur)) return POINT{0, 0};
  return POINT{moniteur.rcWork.left - moniteur.rcMonitor.left, moniteur.rcWork.top - moniteur.rcMonitor.top};
}

HRESULT Systeme::AssocQueryStringW(ASSOCF options, ASSOCSTR quoi, const wchar_t* association, const wchar_t* verbe,
                                   wchar_t* sortie, DWORD* taille) {
  return ::AssocQueryStringW(options, quoi, association, verbe, sortie, taille);
}

bool Systeme::CreateProcessW(std::wstring ligne) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  Handle processus(pi.hProcess), fil(pi.hThread);
  return true;
}

bool Systeme::ShellExecuteW(HWND proprietaire, const std::wstring& document) {
  return reinterpret_cast<INT_PTR>(::ShellExecuteW(proprietaire, L"open", document.c_str(), nullptr, nullptr,
                                                   SW_SHOWNORMAL)) > 32;
}

}  // namespace ui
