// The part of Quorvane's start that cannot be avoided, besides the 510 ms of the clock measurement: the
// DirectX diagnostic provider's creation and Initialize, timed in a process of its own.
//   quorvane_plancher.exe  prints the milliseconds
#include <windows.h>
#include <dxdiag.h>
#include <wrl/client.h>

#include <cstdio>

#include "probes/Plateforme.h"

int main() {
  LARGE_INTEGER f, debut, fin;
  QueryPerformanceFrequency(&f);
  CoInitialize(nullptr);
  QueryPerformanceCounter(&debut);
  Microsoft::WRL::ComPtr<IDxDiagProvider> fournisseur;
  if (SUCCEEDED(CoCreateInstance(sondes::kClsidDxDiagProvider, nullptr, CLSCTX_INPROC_SERVER,
                                 sondes::kIidDxDiagProvider, reinterpret_cast<void**>(fournisseur.GetAddressOf())))) {
    DXDIAG_INIT_PARAMS init{};
    init.dwSize = sizeof init;
    init.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
    init.bAllowWHQLChecks = TRUE;
    fournisseur->Initialize(&init);
  }
  QueryPerformanceCounter(&fin);
  fournisseur.Reset();
  std::printf("%.1f\n", static_cast<double>(fin.QuadPart - debut.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart));
  CoUninitialize();
  return 0;
}
