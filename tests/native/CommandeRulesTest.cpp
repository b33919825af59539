#include <gtest/gtest.h>

#include "app/CommandeRules.h"

namespace {

using appli::Mode;

TEST(Interpreter, LePremierInterrupteurDecide) {
  struct Cas {
    std::vector<std::wstring> arguments;
    Mode mode;
    std::wstring fichier, releve, option;
  };
  const Cas cas[] = {
      {{}, Mode::Fenetre, L"", L"", L""},
      {{L"inconnu"}, Mode::Fenetre, L"", L"", L""},
      {{L"/?"}, Mode::Aide, L"", L"", L""},
      {{L"/RAPPORT", L"r.txt", L"/?"}, Mode::Rapport, L"r.txt", L"", L""},
      {{L"/rapport"}, Mode::FichierManquant, L"", L"", L"/rapport"},
      {{L"/Releve", L"d.txt"}, Mode::Releve, L"d.txt", L"", L""},
      {{L"/releve"}, Mode::FichierManquant, L"", L"", L"/releve"},
      {{L"/relevé", L"d.txt"}, Mode::Fenetre, L"", L"", L""},   // not a switch of ours: ignored
      {{L"-rapport", L"r.txt"}, Mode::Fenetre, L"", L"", L""},  // the slash counts
      {{L"/rejouer", L"d.txt"}, Mode::Rejouer, L"", L"d.txt", L""},
      {{L"/rejouer", L"d.txt", L"/?"}, Mode::Rejouer, L"", L"d.txt", L""},
      {{L"/rejouer", L"d.txt", L"/Rapport", L"r.txt"}, Mode::RejouerRapport, L"r.txt", L"d.txt", L""},
      {{L"/rejouer", L"d.txt", L"/rapport"}, Mode::FichierManquant, L"", L"", L"/rapport"},
      {{L"/rejouer"}, Mode::FichierManquant, L"", L"", L"/rejouer"},
      {{L"/rapport", L"r.txt", L"/rejouer", L"d.txt"}, Mode::Rapport, L"r.txt", L"", L""},
  };
  for (const Cas& c : cas) {
    const appli::Commande commande = appli::Interpreter(c.arguments);
    EXPECT_EQ(commande.mode, c.mode) << testing::PrintToString(c.arguments);
    EXPECT_EQ(commande.fichier, c.fichier) << testing::PrintToString(c.arguments);
    EXPECT_EQ(commande.releve, c.releve) << testing::PrintToString(c.arguments);
    EXPECT_EQ(commande.option, c.option) << testing::PrintToString(c.arguments);
  }
}

}  // namespace
