// Description of the main window: every control at its place, with its text and font; those of the tab
// pages come from the tab table.
#include <iterator>
#include <vector>

#include "app/Cfg.h"
#include "app/OngletsRules.h"

namespace appli {
namespace {

using enum ui::Kind;
using enum ui::FontStyle;
using ui::kHidden;
using ui::kReadOnly;

// The controls outside the tab pages. A label of size 0 x 0 fits its text. The image strip is the face of a
// button, the pictures of a status picture, or the whole background; the index is the image shown (-1: the
// whole picture).
// clang-format off
constexpr ui::ControlDesc kFixes[] = {
//  kind           name              parent        left  top  width  height text                                      font     options              image           index
    {Picture,       "Image1",         nullptr,        0,   0,   569,   561, L"",                                       Regular, 0,                   "Image1",       -1},
    {PictureButton, "BtnHelp",        nullptr,       21,  98,    69,    68, L"Aide du logiciel Quorvane",              Regular, 0,                   "ButtonsHelps",  0},
    {PictureButton, "LMDMMButton2",   nullptr,       12, 171,    81,    73, L"A propos du logiciel Quorvane",          Regular, 0,                   "AboutBtn",      0},
    {PictureButton, "LMDMMButton3",   nullptr,       19, 253,    65,    65,
     L"Appuyer ici pour exporter votre configuration vers un fichier texte",                                           Regular, 0,                   "ExportBtn",     0},
    {PictureButton, "LMDMMButton1",   nullptr,       77, 422,    49,    49, L"Appuyer ici pour Quitter",               Regular, 0,                   "BtnExits",      0},
    {PictureButton, "BtnCheck",       nullptr,      272, 460,    41,    25, L"Appuyez ici pour quitter",               Regular, 0,                   "CheckBtn",      0},
    {PictureButton, "LBtnX",          nullptr,      340, 460,    45,    25, L"Appuyez ici pour quitter",               Regular, 0,                   "CheckBtn",      1},
    {Memo,          "MemoConfig",     nullptr,        8,   8,    17,    17, L"",                                       Regular, kHidden | kReadOnly},
    {StatusBar,     "StatusBar",      nullptr,        0, 496,   568,    19, L""},
    {Tabs,          "Tabs",           nullptr,      160, 120,   337,   313, L""},
};

// Image lists of the form: the background, the button faces and the three status diamonds.
constexpr ui::ImageStripDesc kImages[] = {
//  name            width  height
    {"Image1",          0,      0},  // 570 x 550 background, drawn whole
    {"ButtonsHelps",   71,     67},
    {"AboutBtn",       70,     68},
    {"ExportBtn",      64,     63},
    {"BtnExits",       45,     47},
    {"CheckBtn",       43,     23},  // check mark, cross
    {"Pims",           30,     47},  // green, yellow, red diamond
};
// clang-format on

// The fixed controls, then the tab pages' from the tab table (app/OngletsRules.cpp), in the order that
// gives the controls their identifiers.
const std::vector<ui::ControlDesc> kControles = [] {
  std::vector<ui::ControlDesc> controles(std::begin(kFixes), std::end(kFixes));
  const std::vector<ui::ControlDesc>& onglets = ControlesOnglets();
  controles.insert(controles.end(), onglets.begin(), onglets.end());
  return controles;
}();

}  // namespace

const ui::FormDesc kFormeFichePrinc{
    L"TFichePrinc", L"Quorvane.", 568, 515, ui::BorderStyle::Single, kControles, kImages,
};

}  // namespace appli
