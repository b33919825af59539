// Description of the main window: every control at its place, with its text and font; those of the tab
// pages come from the tab table.
#include <iterator>
#include <vector>

#include "app/Cfg.h"
#include "app/OngletsRules.h"
#include "base/Textes.h"

namespace appli {
namespace {

using enum ui::Kind;
using enum ui::FontStyle;
using base::Dire;
using ui::kHidden;
using ui::kReadOnly;
using enum base::Texte;

// The controls outside the tab pages. A label of size 0 x 0 fits its text. The image strip is the face of a
// button, the pictures of a status picture, or the whole background; the index is the image shown (-1: the
// whole picture).
// clang-format off
const ui::ControlDesc kFixes[] = {
//  kind           name              parent        left  top  width  height text                                      font     options              image           index
    {Picture,       "Image1",         nullptr,        0,   0,   569,   561, L"",                                       Regular, 0,                   "Image1",       -1},
    {PictureButton, "BtnHelp",        nullptr,       21,  98,    69,    68, Dire(BulleAide),                         Regular, 0,                   "ButtonsHelps",  0},
    {PictureButton, "LMDMMButton2",   nullptr,       12, 171,    81,    73, Dire(BulleAPropos),                      Regular, 0,                   "AboutBtn",      0},
    {PictureButton, "LMDMMButton3",   nullptr,       19, 253,    65,    65, Dire(BulleExporter),                     Regular, 0,                   "ExportBtn",     0},
    {PictureButton, "LMDMMButton1",   nullptr,       77, 422,    49,    49, Dire(BulleQuitter),                      Regular, 0,                   "BtnExits",      0},
    {PictureButton, "BtnCheck",       nullptr,      272, 460,    41,    25, Dire(BulleFermer),                       Regular, 0,                   "CheckBtn",      0},
    {PictureButton, "LBtnX",          nullptr,      340, 460,    45,    25, Dire(BulleFermer),                       Regular, 0,                   "CheckBtn",      1},
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
    L"TFichePrinc", Dire(TitreFenetre), 568, 515, ui::BorderStyle::Single, kControles, kImages,
};

}  // namespace appli
