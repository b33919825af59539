// Export of the report through the save dialog.
#include "app/Cfg.h"

void TFichePrinc::LMDMMButton3Click(ui::Control*) {}
void TFichePrinc::CmdExporterClick(ui::Control* Sender) { LMDMMButton3Click(Sender); }
