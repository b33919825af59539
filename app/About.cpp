// Description of the about box: a bevelled panel of texts and the program's picture, and OK.
#include "app/About.h"

namespace appli {

TAboutBox* AboutBox = nullptr;

namespace {

using enum ui::Kind;
using enum ui::FontStyle;
using ui::kBevelled;
using ui::kFixedSize;
using ui::kStretch;
using ui::kWordWrap;

// Columns as in the main window's description; positions on Panel1 are relative to it. The texts of a
// fixed width wrap their words and grow downwards.
// clang-format off
constexpr ui::ControlDesc kControles[] = {
//  kind     name           parent    left  top  width height text                                  font     options                        image   index
    {Panel,   "Panel1",      nullptr,    8,   8,  289,  329, L"",                                   Regular, kBevelled},
    {Picture, "ProgramIcon", "Panel1",   8,   8,   65,   57, L"",                                   Regular, kStretch,                      "Icone", 0},
    {Label,   "ProductName", "Panel1",  88,  16,    0,    0, L"Quorvane"},
    {Label,   "Version",     "Panel1",  88,  32,    0,    0, L"Version " QUORVANE_VERSION},
    {Label,   "Copyright",   "Panel1",  88,  48,    0,    0, L"Copyright © 2004"},
    {Label,   "Label6",      "Panel1",  88,  64,    0,    0, L"Auteur : l'équipe Quorvane"},
    {Label,   "Label8",      "Panel1",  88,  80,    0,    0, L"Graphismes : l'équipe Quorvane"},
    {Label,   "Label5",      "Panel1",   8,  96,  273,   33,
     L"Les marques et les images affichées par ce logiciel appartiennent à leurs propriétaires respectifs.",
                                                                                                Regular, kWordWrap | kFixedSize},
    {Label,   "Comments",    "Panel1",   8, 128,  271,    0,
     L"Ce logiciel a été réalisé pour le site des fans du jeu. Il ne peut pas être utilisé sur un autre "
     L"site sans l'autorisation de son auteur.",                                                Regular, kWordWrap},
    {Label,   "Label2",      "Panel1",   8, 176,  249,    0,
     L"Les tests suivent la configuration minimale publiée sur le site officiel du jeu.",       Regular, kWordWrap},
    {Label,   "Label4",      "Panel1",   8, 216,    0,    0, L"Date de la configuration minimale : 7 mai 2004."},
    {Label,   "Label1",      "Panel1",   8, 240,    0,    0, L"Site des fans : http://fans.example.org"},
    {Label,   "Label3",      "Panel1",   8, 264,    0,    0, L"Site officiel du jeu : http://jeu.example.org"},
    {Label,   "Label7",      "Panel1",   8, 288,  257,    0,
     L"Pour toute question ou tout problème, écrivez à support@example.org",                    Regular, kWordWrap},
    {Button,  "OKButton",    nullptr,  111, 348,   75,   25, L"OK",                                 Regular, ui::kDefault | ui::kModalOk},
};

constexpr ui::ImageStripDesc kImages[] = {
//  name     width height
    {"Icone",   32,    32},  // the program's picture, 16 colours
};
// clang-format on

}  // namespace

const ui::FormDesc kFormeAboutBox{
    L"TAboutBox", L"A propos", 301, 385, ui::BorderStyle::Dialog, kControles, kImages, ui::FormPosition::ScreenCenter,
};

}  // namespace appli
