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

}  // namespace
