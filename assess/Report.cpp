// The configuration report, built from the value labels into the hidden memo.
#include "app/Cfg.h"
#include "assess/ReportRules.h"

int TFichePrinc::RemplirRapport() {
  // The captions as the labels show them, units included; never the findings themselves.
  std::array<std::wstring, kNbValeurs> legendes;
  for (int i = 0; i < kNbValeurs; ++i)
    legendes[static_cast<size_t>(i)] = Controle<ui::Label>(kNomsValeurs[i])->Texte();
  MemoConfig->Add(rapport::LignesRapport(legendes));
  return 0;
}
