// In-process tests under Wine: the real kit and windows, the probes on a scripted platform.
#include <gtest/gtest.h>

#include <cstdio>

#include "Outils.h"
#include "ui/Application.h"

std::vector<std::wstring> gErreurs;

int main(int argc, char** argv) {
  // Unbuffered, so that a run cut short still shows how far it went.
  setvbuf(stdout, nullptr, _IONBF, 0);
  testing::InitGoogleTest(&argc, argv);
  ui::TApplication application;
  ui::Application = &application;
  application.Initialize();
  application.SetTitle(L"Lecture de configuration");
  // The error box would wait for a user: tests read the messages instead.
  application.OnException = [](const std::wstring& message) { gErreurs.push_back(message); };
  return RUN_ALL_TESTS();
}
