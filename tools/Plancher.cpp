// The fair floor of the start-up benchmark: only what any program must do to show Quorvane's result. A
// static executable like Quorvane that initialises COM, creates and initialises the DirectX diagnostic
// provider, waits the 510 ms of the clock measurement, then creates and shows one top-level window of the
// main window's client size. scripts/bench times it from CreateProcess to that window being visible.
#include <windows.h>
#include <dxdiag.h>
#include <wrl/client.h>

#include "probes/Plateforme.h"

namespace {

constexpr wchar_t kClasse[] = L"QuorvanePlancher";

LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int affichage) {
  CoInitialize(nullptr);
  {
    Microsoft::WRL::ComPtr<IDxDiagProvider> fournisseur;
    if (SUCCEEDED(CoCreateInstance(sondes::kClsidDxDiagProvider, nullptr, CLSCTX_INPROC_SERVER,
                                   sondes::kIidDxDiagProvider, reinterpret_cast<void**>(fournisseur.GetAddressOf())))) {
      DXDIAG_INIT_PARAMS init{};
      init.dwSize = sizeof init;
      init.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
      init.bAllowWHQLChecks = TRUE;
      fournisseur->Initialize(&init);
    }
  }
  Sleep(510);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClasse;
  RegisterClassExW(&wc);
  // The main window's style and client size (app/CfgForm.cpp).
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT r{0, 0, 568, 515};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  HWND fenetre = CreateWindowExW(0, kClasse, L"Plancher", style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                                 r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  ShowWindow(fenetre, affichage);
  UpdateWindow(fenetre);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  CoUninitialize();
  return 0;
}
