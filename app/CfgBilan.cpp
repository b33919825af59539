// The main window's side of the assessment: the verdicts and their hints on its pictures and comments, the
// report in its memo, and the report's export and copy.
#include "app/Cfg.h"
#include "app/Rapport.h"
#include "assess/Enregistrement.h"
#include "assess/ReportRules.h"
#include "assess/VerdictRules.h"
#include "base/Exception.h"
#include "base/Textes.h"
#include "ui/Clipboard.h"

namespace appli {
namespace {

using enum base::Texte;

void Commenter(ui::Label* label, const bilan::Commentaire& c) {
  label->SetColor(c.couleur);
  label->SetText(c.legende);
}

// What a screen reader says of a status picture, which the system's accessibility names by its window
// text: its colour, then the tab's hint. Nothing of it is drawn; '&' is doubled, as the name drops a
// mnemonic's mark.
void Nommer(ui::Picture* image, const std::wstring& bulle) {
  constexpr base::Texte kCouleurs[] = {NomVert, NomJaune, NomRouge};  // by image of the list
  const int index = image->ImageIndex();
  std::wstring echappee;
  for (wchar_t c : bulle) echappee += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
  image->SetText(index >= 0 && index < 3 ? base::Remplir(NomImage, {base::Dire(kCouleurs[index]), echappee})
                                         : echappee);
}

}  // namespace

int TFichePrinc::Evaluer() {
  const bilan::Verdicts v = bilan::Juger(Resultats);
  // Each tab's picture shows its level and its comments their verdicts; the tab's hint goes on all of them.
  for (const Onglet& onglet : kOnglets) {
    const std::wstring& bulle = v.*onglet.bulle;
    auto* image = Component<ui::Picture>(onglet.image);
    image->SetImageIndex(v.*onglet.niveau);
    Hints().Set(*image, bulle);
    Nommer(image, bulle);
    for (const LigneCommentaire& c : onglet.commentaires) {
      auto* label = Component<ui::Label>(c.nom);
      Commenter(label, v.*c.verdict);
      Hints().Set(*label, bulle);
    }
  }
  return 0;
}

int TFichePrinc::RemplirRapport() {
  // The captions as the labels show them, units included; never the findings themselves.
  std::vector<std::wstring> legendes;
  for (const LigneValeur* v : Valeurs()) legendes.push_back(Component<ui::Label>(v->label)->Text());
  MemoConfig->Add(LignesDuRapport(legendes));
  return 0;
}

void TFichePrinc::LMDMMButton3Click(ui::Control*) {
  if (DlgSave.Execute()) ExporterVers(DlgSave.FileName);
}

void TFichePrinc::CmdExporterClick(ui::Control* Sender) { LMDMMButton3Click(Sender); }

void TFichePrinc::ExporterVers(const std::wstring& chemin) {
  // The memo's lines, each ended by CR LF.
  bilan::EnregistrerSansPerte(chemin, OctetsRapport(bilan::TexteLignes(MemoConfig->Lines())));
  StatusBar->SetSimpleText(base::Dire(EtatSauvegarde));
}

void TFichePrinc::CopierRapport() {
  // The export's text, and its very bytes for the programs that paste plain text.
  const std::wstring texte = bilan::TexteLignes(MemoConfig->Lines());
  if (!ui::SetClipboardText(Handle(), texte, OctetsRapport(texte)))
    throw base::Exception(base::Dire(PressePapiersOccupe));
  StatusBar->SetSimpleText(base::Dire(EtatCopie));
}

}  // namespace appli
