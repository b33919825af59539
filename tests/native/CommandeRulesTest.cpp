#include <gtest/gtest.h>

#include <vector>

#include "app/CommandeRules.h"

namespace {

using appli::Mode;

TEST(LireCommande, LePremierInterrupteurDecide) {
  struct Cas {
    std::vector<std::wstring> arguments;
    Mode mode;
    std::wstring fichier;
  };
  const Cas cas[] = {
      {{}, Mode::Fenetre, L""},
      {{L"-rapport", L"x.txt", L"rapport", L"/rapports"}, Mode::Fenetre, L""},  // ignored, as before
      {{L"/rapport", L"C:\\a b\\r.txt"}, Mode::Rapport, L"C:\\a b\\r.txt"},
      {{L"/RAPPORT", L"r.txt", L"/?"}, Mode::Rapport, L"r.txt"},
      {{L"x", L"/Rapport", L"/?", L"y"}, Mode::Rapport, L"/?"},
      {{L"/rapport"}, Mode::FichierManquant, L""},
      {{L"/?", L"/rapport", L"r.txt"}, Mode::Aide, L""},
  };
  for (const Cas& c : cas) {
    const appli::Commande commande = appli::LireCommande(c.arguments);
    EXPECT_EQ(commande.mode, c.mode) << testing::PrintToString(c.arguments);
    EXPECT_EQ(commande.fichier, c.fichier) << testing::PrintToString(c.arguments);
  }
}

}  // namespace
