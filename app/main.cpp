// Entry of Quorvane.exe.
#include "app/About.h"
#include "app/Cfg.h"
#include "app/OneInstance.h"
#include "app/Phases.h"
#include "app/Rapport.h"
#include "base/DllSysteme.h"
#include "probes/PlateformeWindows.h"
#include "ui/Application.h"

#include <optional>

namespace {
// First of all, before the command line's parser loads the shell: DLLs by bare name from the system only.
const bool gDllSysteme = (base::DllDuSystemeSeulement(), true);
const appli::Commande gCommande = appli::CommandeDuProcessus();
// Created before the entry runs: the mutex exists from the very start of the process. Without a window the
// program takes no part in the single instance: no mutex, no hand-over.
const std::optional<appli::TGardeInstance> gGarde =
    gCommande.mode == appli::Mode::Fenetre ? std::optional<appli::TGardeInstance>(std::in_place) : std::nullopt;
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int commandeAffichage) {
  appli::phases::Demarrer();
  if (gCommande.mode != appli::Mode::Fenetre) return appli::SansFenetre(gCommande);
  ui::TApplication application;
  ui::Application = &application;
  // The probes' message box belongs to the application's window.
  sondes::PlateformeWindows plateforme(application.Handle());
  try {
    application.Initialize();
    application.SetTitle(L"Lecture de configuration");
    application.SetHelpFile("C:\\Program Files\\FastHelp\\Quorvane\\WinHelp\\Quorvane.hlp");
    appli::FichePrinc = application.CreateForm<appli::TFichePrinc>(plateforme);
    appli::AboutBox = application.CreateForm<appli::TAboutBox>();
    application.Run(commandeAffichage);
  } catch (...) {
    application.HandleException();
  }
  application.DestroyForms();  // before the platform they read
  return 0;
}
