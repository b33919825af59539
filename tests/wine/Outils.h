#pragma once
// Helpers shared by the in-process tests.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PlateformeScriptee.h"
#include "app/Cfg.h"
#include "tests/Pixel.h"
#include "ui/Win.h"

// Messages that reached the application's top-level handler during the test run.
extern std::vector<std::wstring> gErreurs;

// Dispatches the waiting messages of this thread.
inline void Pomper() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline std::wstring TexteFenetre(HWND h) {
  wchar_t texte[512] = {};
  GetWindowTextW(h, texte, 512);
  return texte;
}

// A main window on the scripted platform, made anew for each test.
class FicheScriptee : public testing::Test {
 protected:
  void SetUp() override {
    gErreurs.clear();
    fiche = std::make_unique<appli::TFichePrinc>(plateforme);
    appli::FichePrinc = fiche.get();
  }
  void TearDown() override { appli::FichePrinc = nullptr; }

  PlateformeScriptee plateforme;
  std::unique_ptr<appli::TFichePrinc> fiche;
};
