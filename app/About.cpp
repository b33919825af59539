// Description of the about box: a bevelled panel of texts and the program's picture, and OK.
#include "app/About.h"

TAboutBox* AboutBox = nullptr;

namespace {

using enum ui::Genre;
using ui::kEtire;
using ui::kRetourLigne;
using ui::kTailleFixe;
using ui::Police::Normal;

// Columns as in the main window's description; positions on Panel1 are relative to it.
constexpr ui::DescControle kControles[] = {
    {Panel, "Panel1", nullptr, 8, 8, 289, 329, L"", Normal, ui::kBiseaux},
    {Picture, "ProgramIcon", "Panel1", 8, 8, 65, 57, L"", Normal, kEtire, "Icone", 0},
    {Label, "ProductName", "Panel1", 88, 16, 0, 0, L"Quorvane"},
    {Label, "Version", "Panel1", 88, 32, 0, 0, L"Version 2.0"},
    {Label, "Copyright", "Panel1", 88, 48, 0, 0, L"Copyright © 2004"},
    {Label, "Label6", "Panel1", 88, 64, 0, 0, L"Auteur : l'équipe Quorvane"},
    {Label, "Label8", "Panel1", 88, 80, 0, 0, L"Graphismes : l'équipe Quorvane"},
    {Label, "Label5", "Panel1", 8, 96, 273, 33,
     L"Les marques et les images affichées par ce logiciel appartiennent à leurs propriétaires respectifs.",
     Normal, kRetourLigne | kTailleFixe},
    {Label, "Comments", "Panel1", 8, 128, 271, 0,
     L"Ce logiciel a été réalisé pour le site des fans du jeu. Il ne peut pas être utilisé sur un autre "
     L"site sans l'autorisation de son auteur.",
     Normal, kRetourLigne},
    {Label, "Label2", "Panel1", 8, 176, 249, 0,
     L"Les tests suivent la configuration minimale publiée sur le site officiel du jeu.", Normal, kRetourLigne},
    {Label, "Label4", "Panel1", 8, 216, 0, 0, L"Date de la configuration minimale : 7 mai 2004."},
    {Label, "Label1", "Panel1", 8, 240, 0, 0, L"Site des fans : http://fans.example.org"},
    {Label, "Label3", "Panel1", 8, 264, 0, 0, L"Site officiel du jeu : http://jeu.example.org"},
    {Label, "Label7", "Panel1", 8, 288, 257, 0,
     L"Pour toute question ou tout problème, écrivez à support@example.org", Normal, kRetourLigne},
    {Button, "OKButton", nullptr, 111, 348, 75, 25, L"OK", Normal, ui::kParDefaut | ui::kResultatOk},
};

constexpr ui::DescImages kImages[] = {
    {"Icone", 32, 32},  // the program's picture, 16 colours
};

}  // namespace

const ui::DescFormulaire kFormeAboutBox{
    L"TAboutBox", L"A propos", 301, 385, ui::Bordure::Dialogue, kControles, kImages, ui::Placement::CentreEcran,
};
