#pragma once
// The main window: its controls, the findings of the inspection run with the relevé they come from, the
// show handler that performs that run once (or replays a relevé), and the command handlers of its picture
// buttons.
#include <optional>
#include <string>

#include "app/CfgRules.h"
#include "app/OneInstance.h"
#include "base/Textes.h"
#include "probes/Plateforme.h"
#include "probes/Releve.h"
#include "probes/Resultats.h"
#include "probes/SysInfo.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/Picture.h"
#include "ui/PictureButton.h"
#include "ui/SaveDialog.h"
#include "ui/StatusBar.h"
#include "ui/TabControl.h"

namespace appli {

extern const ui::FormDesc kFormeFichePrinc;

class TFichePrinc : public ui::Form {
 public:
  explicit TFichePrinc(sondes::Plateforme& plateforme);

  // Controls.
  ui::Picture* Image1;
  ui::PictureButton* BtnHelp;
  ui::PictureButton* LMDMMButton2;  // about
  ui::PictureButton* LMDMMButton3;  // export
  ui::PictureButton* LMDMMButton1;  // exit
  ui::PictureButton *BtnCheck, *LBtnX;
  ui::Memo* MemoConfig;
  ui::StatusBar* StatusBar;
  ui::TabControl* Tabs;
  // The tab pages' controls, bound by name. The window's own work on them goes through the tab table
  // (app/OngletsRules.cpp), so that a control added there needs no member here.
  ui::Panel *TabCPU, *TabMemoire, *TabCV, *TabOS, *TabDX;
  ui::Label *LblCPU, *LblVitesse, *LblTotalRAM, *LblVirtuel, *LblPage, *LblMarqueVideo, *LblMemoireVideo, *LblHW,
      *LblRefreshRate, *LblRes, *LblVerDrv, *LblIs3D, *LblVerOS, *LblAutreInfo, *LblDxVersion;
  ui::Label *LblCmtCPU, *LblCmtRAM, *LblCmtCG, *LblCmtSpecial, *LblCmtOS, *LblCmtDx;
  ui::Picture *CPUPim, *RAMPim, *CGPim, *OSPim, *PIMDX;

  // Non-visual components.
  ui::SaveDialog DlgSave{.Title = base::Dire(base::Texte::DialogueExporter),
                         .FileName = L"MesConfigurations.txt",
                         .Filter = base::Dire(base::Texte::FiltreExport),
                         .DefaultExt = L"*.txt"};
  sondes::TSysInfo SysInfo;
  TLMDOneInstance LMDOneInstance1;

  // The findings of the inspection run, and the platform's answers they were decoded from.
  sondes::ResultatsInspection Resultats;
  sondes::Releve ReleveInspection;
  // Before the window is shown: its findings will be those of `releve`, a machine's relevé read from the
  // file `nom`, instead of this machine's; nothing is asked of the platform.
  // `ignorees`: the answers of a later version that the file held, read past.
  void Rejouer(sondes::Releve releve, std::wstring nom, size_t ignorees = 0);

  // The inspection run and its steps.
  void FormShow(ui::Control* Sender);
  int PlacerFenetre();
  int Evaluer();
  int RemplirRapport();

  // The DirectX version from system file versions, for when the diagnostic provider is missing.
  int VersionDxParFichiers(uint32_t* majeur, uint32_t* mineur, char* lettre);
  HRESULT LireVersionFichier(const char* chemin, uint64_t* version);
  static uint64_t FaireVersion(uint16_t p1, uint16_t p2, uint16_t p3, uint16_t p4);
  static int ComparerVersions(uint64_t x, uint64_t y);

  // Commands.
  void BtnHelpClick(ui::Control* Sender);
  void CmdAideClick(ui::Control* Sender);
  void LMDMMButton2Click(ui::Control* Sender);
  void CmdAboutClick(ui::Control* Sender);
  void LMDMMButton3Click(ui::Control* Sender);
  void CmdExporterClick(ui::Control* Sender);
  // The export's step after the dialog: the report's bytes saved to `chemin`, then the status message.
  void ExporterVers(const std::wstring& chemin);
  // The report on the clipboard (Ctrl+C, the system menu), then the status message.
  void CopierRapport();
  void LMDMMButton1Click(ui::Control* Sender);
  void BtnCheckClick(ui::Control* Sender);
  void LBtnXClick(ui::Control* Sender);
  void CmdQuitterClick(ui::Control* Sender);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void LierControles();
  void EcrireValeurs();

  sondes::Plateforme& plateforme_;
  std::optional<std::wstring> rejoue_;  // the replayed relevé's file name
  size_t ignorees_ = 0;
};

extern TFichePrinc* FichePrinc;

}  // namespace appli
