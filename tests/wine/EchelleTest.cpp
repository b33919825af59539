// The windows at the display scales of the table, and the main window moved to a monitor of the row's
// other scale. Each scale but 96 dpi runs in a Wine prefix set to its dpi before the run
// (tests/wine/CMakeLists.txt).
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <memory>
#include <vector>

#include "Outils.h"
#include "app/About.h"

namespace {

struct Echelle {
  int dpi;
  SIZE fiche, aPropos;  // the client areas: 568 x 515 and 301 x 385 at 96 dpi, to the nearest pixel
  int autre;            // the dpi of the monitor the main window then moves to
};
constexpr Echelle kEchelles[] = {
    {96, {568, 515}, {301, 385}, 120},
    {120, {710, 644}, {376, 481}, 192},
    {144, {852, 773}, {452, 578}, 96},
    {192, {1136, 1030}, {602, 770}, 144},
};

const Echelle& A(int dpi) {
  for (const Echelle& e : kEchelles)
    if (e.dpi == dpi) return e;
  throw std::logic_error("no such scale");
}

long AEchelle(long v, int dpi) { return std::lround(v * dpi / 96.0); }

// What a label's text takes at 96 dpi in the kit's fonts there (the bitmap "MS Sans Serif": 11 pixels,
// or 13 in bold), on one line or wrapped at the row's width.
SIZE Texte96(const ui::ControlDesc& d) {
  const bool gras = d.font != ui::FontStyle::Regular;
  ui::GdiObject<HFONT> police(CreateFontW(gras ? -13 : -11, 0, 0, 0, gras ? FW_BOLD : FW_NORMAL, FALSE,
                                          d.font == ui::FontStyle::Heading, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
  const bool coupe = d.options & ui::kWordWrap;
  RECT r{0, 0, d.width, 0};
  HDC dc = CreateCompatibleDC(nullptr);
  {
    ui::SelectedObject choix(dc, police.get());
    DrawTextW(dc, d.text, -1, &r, DT_CALCRECT | (coupe ? DT_WORDBREAK : DT_SINGLELINE));
  }
  DeleteDC(dc);
  return SIZE{coupe ? d.width : r.right, r.bottom};
}

bool SeCoupent(const RECT& a, const RECT& b) {
  RECT commun;
  return IntersectRect(&commun, &a, &b) != FALSE;
}

// Every control of the form at its row's place scaled (within 2 pixels), at its row's size scaled (within
// 2 pixels), a label that fits its text at the size of its text at 96 dpi scaled (within 10 %), and no
// two labels of a parent overlapping unless their rows already do at 96 dpi.
void VerifierForme(const ui::Form& forme, SIZE client, int dpi) {
  RECT r;
  GetClientRect(forme.Handle(), &r);
  EXPECT_EQ(r.right, client.cx);
  EXPECT_EQ(r.bottom, client.cy);
  struct Libelle {
    const char *nom, *parent;
    RECT ecran, a96;
  };
  std::vector<Libelle> libelles;
  for (const ui::ControlDesc& d : forme.Description().controls) {
    const RECT b = forme.FindComponent(d.name)->BoundsRect();
    EXPECT_NEAR(b.left, AEchelle(d.x, dpi), 2) << d.name;
    EXPECT_NEAR(b.top, AEchelle(d.y, dpi), 2) << d.name;
    SIZE taille96{d.width, d.height};
    const bool ajuste = d.kind == ui::Kind::Label && !(d.options & ui::kFixedSize);
    if (ajuste) taille96 = Texte96(d);
    EXPECT_NEAR(b.right - b.left, AEchelle(taille96.cx, dpi), ajuste ? 0.1 * AEchelle(taille96.cx, dpi) : 2) << d.name;
    EXPECT_NEAR(b.bottom - b.top, AEchelle(taille96.cy, dpi), ajuste ? 0.1 * AEchelle(taille96.cy, dpi) : 2) << d.name;
    if (d.kind == ui::Kind::Label)
      libelles.push_back({d.name, d.parent, b, RECT{d.x, d.y, d.x + taille96.cx, d.y + taille96.cy}});
  }
  for (size_t i = 0; i < libelles.size(); ++i)
    for (size_t j = i + 1; j < libelles.size(); ++j) {
      const Libelle &a = libelles[i], &b = libelles[j];
      if (std::string_view(a.parent) != b.parent || SeCoupent(a.a96, b.a96)) continue;
      EXPECT_FALSE(SeCoupent(a.ecran, b.ecran)) << a.nom << " and " << b.nom;
    }
}

class Echelles : public FicheScriptee {};

TEST_F(Echelles, LaFicheEtLaBoiteAProposSontLeursLignesALEchelle) {
  const int dpi = GetDeviceCaps(ui::MeasureDc(), LOGPIXELSY);
  const Echelle* echelle = nullptr;
  for (const Echelle& e : kEchelles)
    if (e.dpi == dpi) echelle = &e;
  if (!echelle) GTEST_SKIP() << dpi << " dpi: not a scale of the table";
  EXPECT_EQ(fiche->Dpi(), dpi);
  VerifierForme(*fiche, echelle->fiche, dpi);
  appli::TAboutBox aPropos;
  VerifierForme(aPropos, echelle->aPropos, dpi);

  // Windows suggests the old window scaled as a whole, frame included (WM_DPICHANGED), which misses the
  // layout's client area wherever the frame does not scale with it.
  const Echelle& autre = A(echelle->autre);
  RECT fenetre;
  GetWindowRect(fiche->Handle(), &fenetre);
  const RECT propose{fenetre.left, fenetre.top, fenetre.left + MulDiv(fenetre.right - fenetre.left, autre.dpi, dpi),
                     fenetre.top + MulDiv(fenetre.bottom - fenetre.top, autre.dpi, dpi)};
  SendMessageW(fiche->Handle(), WM_DPICHANGED, MAKEWPARAM(autre.dpi, autre.dpi), reinterpret_cast<LPARAM>(&propose));
  EXPECT_EQ(fiche->Dpi(), autre.dpi);
  VerifierForme(*fiche, autre.fiche, autre.dpi);
}

}  // namespace
