#include "app/OneInstance.h"

#include <string>

#include "app/InstanceRules.h"
#include "ui/Application.h"

namespace appli {

TGardeInstance* GardeProcessus = nullptr;

TGardeInstance::TGardeInstance() {
  std::string chemin(32768, '\0');
  chemin.resize(GetModuleFileNameA(nullptr, chemin.data(), static_cast<DWORD>(chemin.size())));
  mutex_ = base::Handle(CreateMutexA(nullptr, FALSE, NomMutexInstance(chemin).c_str()));
  erreur_ = GetLastError();
  GardeProcessus = this;
}

bool TGardeInstance::InstancePossible() const { return appli::InstancePossible(static_cast<bool>(mutex_), erreur_); }

bool TGardeInstance::InstanceEnCours(bool fenetreTrouvee) const {
  return appli::InstanceEnCours(static_cast<bool>(mutex_), erreur_, fenetreTrouvee);
}

void TLMDOneInstance::Verifier() const {
  if (!GardeProcessus || !GardeProcessus->InstancePossible() || !ui::Application) return;
  const std::wstring titreLarge = ui::Application->Title();
  const auto titre = base::VersAnsi(titreLarge);
  SetWindowTextA(ui::Application->Handle(), "");
  HWND precedente = titre ? FindWindowA("TApplication", titre->c_str()) : nullptr;
  if (!GardeProcessus->InstanceEnCours(precedente != nullptr)) {
    ui::Application->SetTitle(titreLarge);
    return;
  }
  if (precedente) {
    // Nothing here waits on the running instance: it may be in its inspection run, or hung. The user
    // started this instance, so its right to the foreground goes to the running one, which brings its
    // window forward when its loop takes these requests.
    DWORD processus = 0;
    GetWindowThreadProcessId(precedente, &processus);
    AllowSetForegroundWindow(processus);
    if (IsIconic(precedente))
      ShowWindowAsync(precedente, SW_RESTORE);
    else
      SetForegroundWindow(precedente);
  }
  // No window of its own, no inspection: the event loop ends on this request.
  ui::Application->ShowMainForm = false;
  PostQuitMessage(0);
}

}  // namespace appli
