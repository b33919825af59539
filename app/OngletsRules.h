#pragma once
// The main window's tabs, one row each: its page, its heading, its value labels with their captions, its
// status picture and comments, the verdict that judges it, and its part of the JSON report. The form's rows
// of the tab pages, the value labels' texts, the verdicts and hints on the window and both reports are all
// read from this table, so that one more value label is one value row, and one more tab one row with its
// verdict in bilan::Juger and its texts in the text table.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "assess/RapportJsonRules.h"
#include "assess/VerdictRules.h"
#include "base/Textes.h"
#include "probes/Resultats.h"
#include "ui/FormDescription.h"

namespace appli {

// A caption label before a value, bold, at its place on the page (96-dpi pixels, as every place here).
struct Legende {
  const char* nom;
  base::Texte texte;
  int left, top;
};

// A value label: its caption, its name (also its text until the findings come, and the window's member of
// that name), its place, its text from the findings and its line in the report.
struct LigneValeur {
  Legende legende;
  const char* label;
  int left, top;
  std::string (*texte)(const sondes::ResultatsInspection& r);  // single-byte, like the findings
  base::Texte titre;     // before the text in the report: 19 ASCII characters, the report's fixed form
  bool separateurApres;  // a line of asterisks closes the group
};

// A comment label under the status picture, painted as a band of its verdict's colour.
struct LigneCommentaire {
  const char* nom;
  int left, top;
  bilan::Commentaire bilan::Verdicts::*verdict;
};

struct Onglet {
  const char* page;     // the tab page's name
  base::Texte legende;  // the tab's caption
  const char* titre;    // the heading label's name
  base::Texte texteTitre;
  std::initializer_list<LigneValeur> valeurs;  // in the report's order
  const char* image;                           // the status picture's name
  int largeurImage, hauteurImage;
  std::initializer_list<LigneCommentaire> commentaires;
  // The verdict, computed for every tab at once by bilan::Juger since the tabs' bars depend on each other:
  // the picture's level, and the hint of the picture and comments.
  bilan::NiveauVerdict bilan::Verdicts::*niveau;
  std::wstring bilan::Verdicts::*bulle;
  // In the JSON report: the tab's key, and its facts.
  const char* cleJson;
  bilan::json::Objet (*faits)(const sondes::Constats& c);
};

// The tabs, in the tab control's order.
extern const std::initializer_list<Onglet> kOnglets;

// The form description's rows of the tab pages, built once: for each tab its page, its heading, its
// captions by top, its value labels by top, its status picture, its comments. Control identifiers follow
// this order.
const std::vector<ui::ControlDesc>& ControlesOnglets();

// Every tab's value rows, tab after tab: the report's order.
std::vector<const LigneValeur*> Valeurs();

}  // namespace appli
