// Entry of Quorvane.exe: the start, step by step, in its order.
#include "app/About.h"
#include "app/Cfg.h"
#include "app/LigneDeCommande.h"
#include "app/OneInstance.h"
#include "app/Rapport.h"
#include "app/Phases.h"
#include "app/SansFenetre.h"
#include "base/DllSysteme.h"
#include "base/Textes.h"
#include "probes/PlateformeWindows.h"
#include "ui/Application.h"

#include <optional>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int commandeAffichage) {
  appli::phases::Demarrer();
  // First of all, before the command line's parser loads the shell: DLLs by bare name from the system only.
  base::DllDuSystemeSeulement();
  const appli::Commande commande = appli::CommandeDuProcessus();
  if (appli::SansFenetre(commande.mode)) return appli::LancerSansFenetre(commande);
  std::optional<sondes::ReleveLu> rejoue;
  if (commande.mode == appli::Mode::Rejouer && !(rejoue = appli::ReleveARejouer(commande.releve))) return 1;
  // The single instance, before any window: a replay takes no part in it.
  std::optional<appli::TGardeInstance> garde;
  if (!rejoue) garde.emplace();

  ui::TApplication application;
  ui::Application = &application;
  // The probes' message box belongs to the application's window.
  sondes::PlateformeWindows plateforme(application.Handle());
  try {
    application.Initialize();
    application.SetTitle(base::Dire(base::Texte::TitreApplication));
    application.SetHelpFile("C:\\Program Files\\FastHelp\\Quorvane\\WinHelp\\Quorvane.hlp");
    appli::FichePrinc = application.CreateMainForm<appli::TFichePrinc>(plateforme);
    if (rejoue)
      appli::FichePrinc->Rejouer(std::move(rejoue->releve), appli::NomSansDossier(commande.releve),
                                 rejoue->ignorees.size());
    appli::AboutBox = application.CreateForm<appli::TAboutBox>();
    application.Run(commandeAffichage);
  } catch (...) {
    application.HandleException();
  }
  application.DestroyForms();  // before the platform they read
  return 0;
}
