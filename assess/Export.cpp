// Export of the report through the save dialog.
#include "app/Cfg.h"
#include "assess/Enregistrement.h"
#include "assess/ReportRules.h"
#include "ui/Exception.h"

void TFichePrinc::LMDMMButton3Click(ui::Control*) {
  if (DlgSave.Execute()) ExporterVers(DlgSave.FileName);
}

void TFichePrinc::CmdExporterClick(ui::Control* Sender) { LMDMMButton3Click(Sender); }

void TFichePrinc::ExporterVers(const std::wstring& chemin) {
  // The memo's lines, each ended by CR LF, in the system's ANSI code page; a report that cannot be
  // converted is never written.
  const auto octets = ui::VersAnsi(rapport::TexteLignes(MemoConfig->Lines()));
  if (!octets) throw ui::Exception(L"Erreur d'écriture dans le flux");
  rapport::EnregistrerSansPerte(chemin, *octets);
  StatusBar->SetSimpleText(L"Sauvegarder effectuée !");
}
