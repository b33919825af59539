// Help, about and exit commands of the main window.
#include "app/Cfg.h"

void TFichePrinc::BtnHelpClick(ui::Control*) {}
void TFichePrinc::CmdAideClick(ui::Control* Sender) { BtnHelpClick(Sender); }
void TFichePrinc::LMDMMButton2Click(ui::Control*) {}
void TFichePrinc::CmdAboutClick(ui::Control* Sender) { LMDMMButton2Click(Sender); }
void TFichePrinc::LMDMMButton1Click(ui::Control*) { Close(); }
void TFichePrinc::BtnCheckClick(ui::Control*) { Close(); }
void TFichePrinc::LBtnXClick(ui::Control*) { Close(); }
void TFichePrinc::CmdQuitterClick(ui::Control* Sender) { LMDMMButton1Click(Sender); }
