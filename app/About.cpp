// Description of the about box: a bevelled panel of texts and the program's picture, and OK.
#include "app/About.h"

#include <string>

#include "base/Textes.h"

namespace appli {

TAboutBox* AboutBox = nullptr;

namespace {

using enum ui::Kind;
using enum ui::FontStyle;
using base::Dire;
using ui::kBevelled;
using ui::kFixedSize;
using ui::kStretch;
using ui::kWordWrap;
using enum base::Texte;

const std::wstring kVersion = base::Remplir(AVersion, {L"" QUORVANE_VERSION});

// Columns as in the main window's description; positions on Panel1 are relative to it. The texts of a
// fixed width wrap their words and grow downwards.
// clang-format off
const ui::ControlDesc kControles[] = {
//  kind     name           parent    left  top  width height text                                  font     options                        image   index
    {Panel,   "Panel1",      nullptr,    8,   8,  289,  329, L"",                                   Regular, kBevelled},
    {Picture, "ProgramIcon", "Panel1",   8,   8,   65,   57, L"",                                   Regular, kStretch,                      "Icone", 0},
    {Label,   "ProductName", "Panel1",  88,  16,    0,    0, Dire(AProduit)},
    {Label,   "Version",     "Panel1",  88,  32,    0,    0, kVersion.c_str()},
    {Label,   "Copyright",   "Panel1",  88,  48,    0,    0, Dire(ACopyright)},
    {Label,   "Label6",      "Panel1",  88,  64,    0,    0, Dire(AAuteur)},
    {Label,   "Label8",      "Panel1",  88,  80,    0,    0, Dire(AGraphismes)},
    {Label,   "Label5",      "Panel1",   8,  96,  273,   33, Dire(AMarques),                        Regular, kWordWrap | kFixedSize},
    {Label,   "Comments",    "Panel1",   8, 128,  271,    0, Dire(ASite),                           Regular, kWordWrap},
    {Label,   "Label2",      "Panel1",   8, 176,  249,    0, Dire(ATests),                          Regular, kWordWrap},
    {Label,   "Label4",      "Panel1",   8, 216,    0,    0, Dire(ADate)},
    {Label,   "Label1",      "Panel1",   8, 240,    0,    0, Dire(ASiteFans)},
    {Label,   "Label3",      "Panel1",   8, 264,    0,    0, Dire(ASiteJeu)},
    {Label,   "Label7",      "Panel1",   8, 288,  257,    0, Dire(AContact),                        Regular, kWordWrap},
    {Button,  "OKButton",    nullptr,  111, 348,   75,   25, Dire(BoutonOk),                        Regular, ui::kDefault | ui::kModalOk},
};

constexpr ui::ImageStripDesc kImages[] = {
//  name     width height
    {"Icone",   32,    32},  // the program's picture, 16 colours
};
// clang-format on

}  // namespace

const ui::FormDesc kFormeAboutBox{L"TAboutBox",
                                  Dire(TitreAPropos),
                                  301,
                                  385,
                                  ui::BorderStyle::Dialog,
                                  kControles,
                                  kImages,
                                  ui::FormPosition::ScreenCenter};

}  // namespace appli
