// Help, about and exit commands of the main window.
#include "app/About.h"
#include "app/Cfg.h"
#include "ui/Application.h"

namespace appli {

void TFichePrinc::BtnHelpClick(ui::Control*) {
  // The bare name replaces the absolute one of start-up for the rest of the run.
  ui::Application->SetHelpFile("Quorvane.hlp");
  ui::Application->HelpJump("Bienvenue");
}

void TFichePrinc::CmdAideClick(ui::Control* Sender) { BtnHelpClick(Sender); }
void TFichePrinc::LMDMMButton2Click(ui::Control*) { AboutBox->ShowModal(); }
void TFichePrinc::CmdAboutClick(ui::Control* Sender) { LMDMMButton2Click(Sender); }

// Closing the main form ends the event loop; no question is asked.
void TFichePrinc::LMDMMButton1Click(ui::Control*) { Close(); }
void TFichePrinc::BtnCheckClick(ui::Control*) { Close(); }
void TFichePrinc::LBtnXClick(ui::Control*) { Close(); }
void TFichePrinc::CmdQuitterClick(ui::Control* Sender) { LMDMMButton1Click(Sender); }

}  // namespace appli
