#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app/OngletsRules.h"

namespace {

using enum ui::Kind;
using enum ui::FontStyle;

std::string_view Ou(const char* texte) { return texte ? texte : "(none)"; }

// The tab pages' rows that the table gives the form are those the form was designed with: the tabs in their
// order, each tab's rows together in the designed order (its page, heading, captions by top, values by top,
// picture, comments; GRAPHIQUES's values are not in the report's order there), each row as designed.
TEST(Onglets, LesLignesDesPagesSontCellesDeLaFiche) {
  const std::vector<ui::ControlDesc>& lignes = appli::ControlesOnglets();
  const auto rang = [&](std::string_view nom) {
    const auto trouve =
        std::find_if(lignes.begin(), lignes.end(), [&](const ui::ControlDesc& d) { return d.name == nom; });
    return static_cast<size_t>(trouve - lignes.begin());
  };
  std::vector<std::string_view> pages;
  for (const ui::ControlDesc& d : lignes)
    if (d.kind == TabPage) pages.push_back(d.name);
  const std::vector<std::string_view> cinq = {"TabCPU", "TabMemoire", "TabCV", "TabOS", "TabDX"};  // another may follow
  ASSERT_GE(pages.size(), cinq.size());
  EXPECT_EQ(std::vector(pages.begin(), pages.begin() + 5), cinq);

  const std::string_view graphiques[] = {"TabCV",   "Label3",  "Label10",         "Label12",        "Label13",
                                         "Label14", "Label15", "Label16",         "Label17",        "LblMarqueVideo",
                                         "LblHW",   "LblRes",  "LblMemoireVideo", "LblRefreshRate", "LblVerDrv",
                                         "LblIs3D", "CGPim",   "LblCmtCG",        "LblCmtSpecial"};
  const auto debut = rang("TabCV");
  ASSERT_LE(debut + std::size(graphiques), lignes.size());
  for (size_t i = 0; i < std::size(graphiques); ++i) EXPECT_EQ(lignes[debut + i].name, graphiques[i]) << i;

  struct Attendu {
    const char* nom;
    ui::Kind kind;
    const char* parent;
    int x, y, width, height;
    const wchar_t* text;
    ui::FontStyle font;
    const char* image;
    int16_t index;
  };
  const Attendu attendus[] = {
      {"TabCPU", TabPage, "Tabs", 3, 27, 331, 283, L"CPU", Regular, nullptr, -1},
      {"Label1", Label, "TabCPU", 8, 16, 0, 0, L"Configuration du CPU :", Heading, nullptr, -1},
      {"LblCPU", Label, "TabCPU", 136, 47, 0, 0, L"LblCPU", Regular, nullptr, -1},
      {"CPUPim", Picture, "TabCPU", 0, 232, 33, 49, L"", Regular, "Pims", 2},
      {"TabMemoire", TabPage, "Tabs", 3, 27, 331, 283, L"MÉMOIRE", Regular, nullptr, -1},
      {"Label14", Label, "TabCV", 8, 120, 0, 0, L"Total Mémoire :", Bold, nullptr, -1},
      {"LblHW", Label, "TabCV", 128, 74, 0, 0, L"LblHW", Regular, nullptr, -1},
      {"CGPim", Picture, "TabCV", 0, 232, 30, 49, L"", Regular, "Pims", 2},
      {"LblCmtCG", Label, "TabCV", 32, 248, 0, 0, L"LblCmtCG", Regular, nullptr, -1},
      {"LblCmtSpecial", Label, "TabCV", 32, 264, 0, 0, L"LblCmtSpecial", Regular, nullptr, -1},
      {"LblDxVersion", Label, "TabDX", 152, 50, 0, 0, L"LblDxVersion", Regular, nullptr, -1},
  };
  for (const Attendu& a : attendus) {
    const auto i = rang(a.nom);
    ASSERT_LT(i, lignes.size()) << a.nom;
    const ui::ControlDesc& d = lignes[i];
    EXPECT_EQ(d.kind, a.kind) << a.nom;
    EXPECT_EQ(Ou(d.parent), a.parent) << a.nom;
    EXPECT_EQ(d.x, a.x) << a.nom;
    EXPECT_EQ(d.y, a.y) << a.nom;
    EXPECT_EQ(d.width, a.width) << a.nom;
    EXPECT_EQ(d.height, a.height) << a.nom;
    EXPECT_EQ(std::wstring_view(d.text), a.text) << a.nom;
    EXPECT_EQ(d.font, a.font) << a.nom;
    EXPECT_EQ(d.options, ui::kNone) << a.nom;
    EXPECT_EQ(Ou(d.image), Ou(a.image)) << a.nom;
    EXPECT_EQ(d.index, a.index) << a.nom;
  }
}

// Every row of the five pages as designed: parent, position, text (a value label's and a comment's is its own
// name, a picture has none) and font.
TEST(Onglets, ChaqueLigneALaPlaceEtLeTexteDeLaFiche) {
  struct Ligne {
    const char *nom, *parent;
    int x, y;
    const wchar_t* text;
    ui::FontStyle font;
  };
  // clang-format off
  const Ligne attendues[] = {
      {"Label1", "TabCPU", 8, 16, L"Configuration du CPU :", Heading}, {"Label6", "TabCPU", 8, 45, L"CPU :", Bold},
      {"Label7", "TabCPU", 8, 69, L"Vitesse du CPU :", Bold},          {"LblCPU", "TabCPU", 136, 47, L"LblCPU", Regular},
      {"LblVitesse", "TabCPU", 136, 71, L"LblVitesse", Regular},       {"CPUPim", "TabCPU", 0, 232, L"", Regular},
      {"LblCmtCPU", "TabCPU", 32, 264, L"LblCmtCPU", Regular},
      {"Label2", "TabMemoire", 8, 16, L"Configuration de la mémoire :", Heading},
      {"Label8", "TabMemoire", 8, 47, L"Total de RAM :", Bold},
      {"Label9", "TabMemoire", 8, 71, L"Total de mémoire virtuelle :", Bold},
      {"Label11", "TabMemoire", 8, 95, L"Total de mémoire page :", Bold},
      {"LblTotalRAM", "TabMemoire", 200, 49, L"LblTotalRAM", Regular},
      {"LblVirtuel", "TabMemoire", 200, 73, L"LblVirtuel", Regular},
      {"LblPage", "TabMemoire", 200, 97, L"LblPage", Regular},         {"RAMPim", "TabMemoire", 0, 232, L"", Regular},
      {"LblCmtRAM", "TabMemoire", 32, 264, L"LblCmtRAM", Regular},
      {"Label3", "TabCV", 8, 16, L"Configuration de la carte graphique :", Heading},
      {"Label10", "TabCV", 8, 48, L"Marque :", Bold},                  {"Label12", "TabCV", 8, 72, L"Taille Actuelle :", Bold},
      {"Label13", "TabCV", 8, 96, L"Résolution :", Bold},              {"Label14", "TabCV", 8, 120, L"Total Mémoire :", Bold},
      {"Label15", "TabCV", 8, 144, L"Taux Rafraich. :", Bold},         {"Label16", "TabCV", 8, 168, L"Version Pilotes :", Bold},
      {"Label17", "TabCV", 8, 192, L"Fait du 3D :", Bold},
      {"LblMarqueVideo", "TabCV", 128, 50, L"LblMarqueVideo", Regular}, {"LblHW", "TabCV", 128, 74, L"LblHW", Regular},
      {"LblRes", "TabCV", 128, 98, L"LblRes", Regular},
      {"LblMemoireVideo", "TabCV", 128, 122, L"LblMemoireVideo", Regular},
      {"LblRefreshRate", "TabCV", 128, 146, L"LblRefreshRate", Regular},
      {"LblVerDrv", "TabCV", 128, 170, L"LblVerDrv", Regular},         {"LblIs3D", "TabCV", 128, 194, L"LblIs3D", Regular},
      {"CGPim", "TabCV", 0, 232, L"", Regular},                        {"LblCmtCG", "TabCV", 32, 248, L"LblCmtCG", Regular},
      {"LblCmtSpecial", "TabCV", 32, 264, L"LblCmtSpecial", Regular},
      {"Label4", "TabOS", 8, 16, L"Configuration de l'OS :", Heading}, {"Label20", "TabOS", 8, 48, L"Version de l'OS :", Bold},
      {"Label21", "TabOS", 8, 72, L"Autre :", Bold},                   {"LblVerOS", "TabOS", 136, 50, L"LblVerOS", Regular},
      {"LblAutreInfo", "TabOS", 136, 74, L"LblAutreInfo", Regular},    {"OSPim", "TabOS", 0, 232, L"", Regular},
      {"LblCmtOS", "TabOS", 32, 264, L"LblCmtOS", Regular},
      {"Label5", "TabDX", 8, 16, L"Configuration de Directx :", Heading},
      {"Label22", "TabDX", 8, 48, L"Version de Directx :", Bold},
      {"LblDxVersion", "TabDX", 152, 50, L"LblDxVersion", Regular},    {"PIMDX", "TabDX", 0, 232, L"", Regular},
      {"LblCmtDx", "TabDX", 32, 264, L"LblCmtDx", Regular},
  };
  // clang-format on
  const std::vector<ui::ControlDesc>& lignes = appli::ControlesOnglets();
  for (const Ligne& a : attendues) {
    const auto d = std::find_if(lignes.begin(), lignes.end(),
                                [&](const ui::ControlDesc& l) { return l.name == std::string_view(a.nom); });
    ASSERT_NE(d, lignes.end()) << a.nom;
    EXPECT_EQ(Ou(d->parent), a.parent) << a.nom;
    EXPECT_EQ(d->x, a.x) << a.nom;
    EXPECT_EQ(d->y, a.y) << a.nom;
    EXPECT_EQ(std::wstring_view(d->text), a.text) << a.nom;
    EXPECT_EQ(d->font, a.font) << a.nom;
  }
}

}  // namespace
