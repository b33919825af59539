// Description of the main window: every control at its place, with its text and font.
#include "app/Cfg.h"

namespace appli {
namespace {

using enum ui::Kind;
using enum ui::FontStyle;
using ui::kHidden;
using ui::kReadOnly;

constexpr int kPage[] = {3, 27, 331, 283};  // every tab page, inside the tab control

// A label of size 0 x 0 fits its text. The image strip is the face of a button, the pictures of a status
// picture, or the whole background; the index is the image shown (-1: the whole picture).
// clang-format off
constexpr ui::ControlDesc kControles[] = {
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

    {TabPage,       "TabCPU",         "Tabs",  kPage[0], kPage[1], kPage[2], kPage[3], L"CPU"},
    {Label,         "Label1",         "TabCPU",       8,  16,     0,     0, L"Configuration du CPU :",                 Heading},
    {Label,         "Label6",         "TabCPU",       8,  45,     0,     0, L"CPU :",                                  Bold},
    {Label,         "Label7",         "TabCPU",       8,  69,     0,     0, L"Vitesse du CPU :",                       Bold},
    {Label,         "LblCPU",         "TabCPU",     136,  47,     0,     0, L"LblCPU"},
    {Label,         "LblVitesse",     "TabCPU",     136,  71,     0,     0, L"LblVitesse"},
    {Picture,       "CPUPim",         "TabCPU",       0, 232,    33,    49, L"",                                       Regular, 0,                   "Pims",          2},
    {Label,         "LblCmtCPU",      "TabCPU",      32, 264,     0,     0, L"LblCmtCPU"},

    {TabPage,       "TabMemoire",     "Tabs",  kPage[0], kPage[1], kPage[2], kPage[3], L"MÉMOIRE"},
    {Label,         "Label2",         "TabMemoire",   8,  16,     0,     0, L"Configuration de la mémoire :",          Heading},
    {Label,         "Label8",         "TabMemoire",   8,  47,     0,     0, L"Total de RAM :",                         Bold},
    {Label,         "Label9",         "TabMemoire",   8,  71,     0,     0, L"Total de mémoire virtuelle :",           Bold},
    {Label,         "Label11",        "TabMemoire",   8,  95,     0,     0, L"Total de mémoire page :",                Bold},
    {Label,         "LblTotalRAM",    "TabMemoire", 200,  49,     0,     0, L"LblTotalRAM"},
    {Label,         "LblVirtuel",     "TabMemoire", 200,  73,     0,     0, L"LblVirtuel"},
    {Label,         "LblPage",        "TabMemoire", 200,  97,     0,     0, L"LblPage"},
    {Picture,       "RAMPim",         "TabMemoire",   0, 232,    30,    49, L"",                                       Regular, 0,                   "Pims",          2},
    {Label,         "LblCmtRAM",      "TabMemoire",  32, 264,     0,     0, L"LblCmtRAM"},

    {TabPage,       "TabCV",          "Tabs",  kPage[0], kPage[1], kPage[2], kPage[3], L"GRAPHIQUES"},
    {Label,         "Label3",         "TabCV",        8,  16,     0,     0, L"Configuration de la carte graphique :",  Heading},
    {Label,         "Label10",        "TabCV",        8,  48,     0,     0, L"Marque :",                               Bold},
    {Label,         "Label12",        "TabCV",        8,  72,     0,     0, L"Taille Actuelle :",                      Bold},
    {Label,         "Label13",        "TabCV",        8,  96,     0,     0, L"Résolution :",                           Bold},
    {Label,         "Label14",        "TabCV",        8, 120,     0,     0, L"Total Mémoire :",                        Bold},
    {Label,         "Label15",        "TabCV",        8, 144,     0,     0, L"Taux Rafraich. :",                       Bold},
    {Label,         "Label16",        "TabCV",        8, 168,     0,     0, L"Version Pilotes :",                      Bold},
    {Label,         "Label17",        "TabCV",        8, 192,     0,     0, L"Fait du 3D :",                           Bold},
    {Label,         "LblMarqueVideo", "TabCV",      128,  50,     0,     0, L"LblMarqueVideo"},
    {Label,         "LblHW",          "TabCV",      128,  74,     0,     0, L"LblHW"},
    {Label,         "LblRes",         "TabCV",      128,  98,     0,     0, L"LblRes"},
    {Label,         "LblMemoireVideo","TabCV",      128, 122,     0,     0, L"LblMemoireVideo"},
    {Label,         "LblRefreshRate", "TabCV",      128, 146,     0,     0, L"LblRefreshRate"},
    {Label,         "LblVerDrv",      "TabCV",      128, 170,     0,     0, L"LblVerDrv"},
    {Label,         "LblIs3D",        "TabCV",      128, 194,     0,     0, L"LblIs3D"},
    {Picture,       "CGPim",          "TabCV",        0, 232,    30,    49, L"",                                       Regular, 0,                   "Pims",          2},
    {Label,         "LblCmtCG",       "TabCV",       32, 248,     0,     0, L"LblCmtCG"},
    {Label,         "LblCmtSpecial",  "TabCV",       32, 264,     0,     0, L"LblCmtSpecial"},

    {TabPage,       "TabOS",          "Tabs",  kPage[0], kPage[1], kPage[2], kPage[3], L"OS"},
    {Label,         "Label4",         "TabOS",        8,  16,     0,     0, L"Configuration de l'OS :",                Heading},
    {Label,         "Label20",        "TabOS",        8,  48,     0,     0, L"Version de l'OS :",                      Bold},
    {Label,         "Label21",        "TabOS",        8,  72,     0,     0, L"Autre :",                                Bold},
    {Label,         "LblVerOS",       "TabOS",      136,  50,     0,     0, L"LblVerOS"},
    {Label,         "LblAutreInfo",   "TabOS",      136,  74,     0,     0, L"LblAutreInfo"},
    {Picture,       "OSPim",          "TabOS",        0, 232,    30,    49, L"",                                       Regular, 0,                   "Pims",          2},
    {Label,         "LblCmtOS",       "TabOS",       32, 264,     0,     0, L"LblCmtOS"},

    {TabPage,       "TabDX",          "Tabs",  kPage[0], kPage[1], kPage[2], kPage[3], L"DIRECTX"},
    {Label,         "Label5",         "TabDX",        8,  16,     0,     0, L"Configuration de Directx :",             Heading},
    {Label,         "Label22",        "TabDX",        8,  48,     0,     0, L"Version de Directx :",                   Bold},
    {Label,         "LblDxVersion",   "TabDX",      152,  50,     0,     0, L"LblDxVersion"},
    {Picture,       "PIMDX",          "TabDX",        0, 232,    30,    49, L"",                                       Regular, 0,                   "Pims",          2},
    {Label,         "LblCmtDx",       "TabDX",       32, 264,     0,     0, L"LblCmtDx"},
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

}  // namespace

const ui::FormDesc kFormeFichePrinc{
    L"TFichePrinc", L"Quorvane.", 568, 515, ui::BorderStyle::Single, kControles, kImages,
};

}  // namespace appli
