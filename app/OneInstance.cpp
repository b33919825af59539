#include "app/OneInstance.h"

#include <string>

#include "app/InstanceRules.h"
#include "ui/Application.h"

TGardeInstance* GardeProcessus = nullptr;

TGardeInstance::TGardeInstance() {
  std::string chemin(32768, '\0');
  chemin.resize(GetModuleFileNameA(nullptr, chemin.data(), static_cast<DWORD>(chemin.size())));
  mutex_ = ui::Handle(CreateMutexA(nullptr, FALSE, NomMutexInstance(chemin).c_str()));
  // Without a handle, or without the platform saying it existed, this instance counts as the first.
  precedente_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
  GardeProcessus = this;
}

void TLMDOneInstance::Verifier() const {
  if (!GardeProcessus || !GardeProcessus->InstancePrecedente() || !ui::Application) return;
  const std::string titre = ui::VersAnsi(ui::Application->Title());
  SetWindowTextA(ui::Application->Handle(), "");
  if (HWND precedente = FindWindowA("TApplication", titre.c_str())) {
    // A running instance that stopped answering must not hang this one: restoring it would wait on it.
    DWORD_PTR reponse;
    if (SendMessageTimeoutW(precedente, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000, &reponse)) {
      if (IsIconic(precedente)) ShowWindow(precedente, SW_RESTORE);
      else SetForegroundWindow(precedente);
    }
  }
  // No window of its own, no inspection: the event loop ends on this request.
  ui::Application->ShowMainForm = false;
  PostQuitMessage(0);
}
