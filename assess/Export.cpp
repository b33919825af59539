// Export of the report through the save dialog.
#include "app/Cfg.h"
#include "assess/Enregistrement.h"
#include "assess/ReportRules.h"

void TFichePrinc::LMDMMButton3Click(ui::Control*) {
  if (!DlgSave.Execute()) return;
  // The memo's lines, each ended by CR LF, in the system's ANSI code page.
  const std::string octets = ui::VersAnsi(rapport::TexteLignes(MemoConfig->Lines()));
  rapport::EnregistrerSansPerte(DlgSave.FileName, octets);
  StatusBar->SetSimpleText(L"Sauvegarder effectuée !");
}

void TFichePrinc::CmdExporterClick(ui::Control* Sender) { LMDMMButton3Click(Sender); }
