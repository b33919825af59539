// Verdicts applied to the main window's status pictures and comment labels.
#include "app/Cfg.h"
#include "assess/VerdictRules.h"

namespace {

void Commenter(ui::Label* label, const evaluation::Commentaire& c) {
  label->SetCouleur(c.couleur);
  label->SetTexte(c.legende);
}

}  // namespace

int TFichePrinc::Evaluer() {
  const evaluation::Verdicts v = evaluation::Juger(*this);
  OSPim->SetImageIndex(v.os);
  Commenter(LblCmtOS, v.cmtOS);
  RAMPim->SetImageIndex(v.ram);
  Commenter(LblCmtRAM, v.cmtRAM);
  CGPim->SetImageIndex(v.cg);
  Commenter(LblCmtCG, v.cmtCG);
  Commenter(LblCmtSpecial, v.cmtSpecial);
  CPUPim->SetImageIndex(v.cpu);
  Commenter(LblCmtCPU, v.cmtCPU);
  PIMDX->SetImageIndex(v.dx);
  Commenter(LblCmtDx, v.cmtDx);
  return 0;
}
