// Entry of Quorvane.exe.
#include "app/About.h"
#include "app/Cfg.h"
#include "app/OneInstance.h"
#include "probes/PlateformeWindows.h"
#include "ui/Application.h"

namespace {
// Created before the entry runs: the mutex exists from the very start of the process.
TGardeInstance gGarde;
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int commandeAffichage) {
  sondes::PlateformeWindows plateforme;
  ui::TApplication application;
  ui::Application = &application;
  try {
    application.Initialize();
    application.SetTitle(L"Lecture de configuration");
    application.SetHelpFile("C:\\Program Files\\FastHelp\\Quorvane\\WinHelp\\Quorvane.hlp");
    FichePrinc = application.CreateForm<TFichePrinc>(plateforme);
    AboutBox = application.CreateForm<TAboutBox>();
    application.Run(commandeAffichage);
  } catch (...) {
    application.HandleException();
  }
  return 0;
}
