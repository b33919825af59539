// The real program's hints: resting the mouse on a verdict shows why, in a tooltip that any tool can read.
#include <gtest/gtest.h>

#include "Pilote.h"

namespace {

using pilote::Controle;
using pilote::Texte;

// The text of the program's tooltip once shown, the mouse resting on the control; empty after the delay.
std::wstring BulleSur(const pilote::Processus& p, HWND controle, int x, int y) {
  POINT point{x, y};
  ClientToScreen(controle, &point);
  SetCursorPos(point.x, point.y);
  HWND bulle = p.Fenetre(L"tooltips_class32", 5000);
  return bulle ? Texte(bulle) : L"";
}

TEST(Bulle, LeBandeauEtLeLosangeDuCPUDisentPourquoi) {
  pilote::Processus p(pilote::Copie(L"Q_bulle.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  ASSERT_EQ(Texte(Controle(fiche, "LblIs3D")), L"Oui") << "Wine's provider gives a 3D card";
  const std::wstring attendue = L"Mesuré : " + Texte(Controle(fiche, "LblVitesse")) +
                                L". Il faut plus de 600 MHz avec une carte 3D, plus de 1500 MHz sans.";
  EXPECT_EQ(BulleSur(p, Controle(fiche, "LblCmtCPU"), 4, 4), attendue);
  // Away, until the tooltip goes; then the diamond, which otherwise lets the mouse through.
  SetCursorPos(0, 0);
  ASSERT_TRUE(pilote::Attendre([&] { return !p.Fenetre(L"tooltips_class32", 0); }, 5000));
  EXPECT_EQ(BulleSur(p, Controle(fiche, "CPUPim"), 15, 20), attendue);
}

}  // namespace
