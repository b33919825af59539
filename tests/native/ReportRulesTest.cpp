#include <gtest/gtest.h>

#include <string>

#include "assess/ReportRules.h"

namespace {

using Entree = bilan::EntreeRapport<std::string>;

TEST(Rapport, TitresLegendesEtSeparateurs) {
  const Entree entrees[] = {{"A : ", "1", false}, {"B : ", "", true}, {"C : ", "  3  ", true}};
  const std::string etoiles(51, '*');
  EXPECT_EQ(bilan::LignesRapport<std::string>(entrees),
            (std::vector<std::string>{"A : 1", "B : ", etoiles, "C :   3  ", etoiles}));
  EXPECT_TRUE(bilan::LignesRapport<std::string>({}).empty());
}

TEST(Rapport, ChaqueLigneFinitParCrLf) {
  EXPECT_EQ(bilan::TexteLignes(std::vector<std::string>{"", "a", ""}), "\r\na\r\n\r\n");
  EXPECT_EQ(bilan::TexteLignes(std::vector<std::wstring>{L"\u00E9"}), L"\u00E9\r\n");
  EXPECT_EQ(bilan::TexteLignes(std::vector<std::string>{}), "");
}

}  // namespace
