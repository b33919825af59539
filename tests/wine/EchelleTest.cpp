// The windows at each display scale: every control at its row's place by the scale rule (tested natively,
// tests/native/FormRulesTest.cpp), the labels fitted to their text in the fonts of that scale, and the main
// window moved to a monitor of another scale. Each scale but 96 dpi runs in a Wine prefix set to its dpi
// before the run (tests/wine/CMakeLists.txt).
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "Outils.h"
#include "app/About.h"
#include "ui/System.h"

namespace {

// The scales of the runs, and the dpi of the monitor the main window then moves to.
struct Echelle {
  int dpi, autre;
};
constexpr Echelle kEchelles[] = {{96, 120}, {120, 192}, {144, 96}, {192, 144}};

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

// The form's client area and every control at its row's rectangle by the scale rule, except that a label
// that fits its text takes the size of its text at 96 dpi scaled (within 10 %) in the fonts of that
// scale; no two labels of a parent overlap unless their rows already do at 96 dpi.
void VerifierForme(const ui::Form& forme, int dpi) {
  RECT r;
  GetClientRect(forme.Handle(), &r);
  const ui::PixelSize client = ui::ScaledClient(forme.Description(), dpi);
  EXPECT_EQ(r.right, client.width);
  EXPECT_EQ(r.bottom, client.height);
  struct Libelle {
    const char *nom, *parent;
    RECT ecran, a96;
  };
  std::vector<Libelle> libelles;
  for (const ui::ControlDesc& d : forme.Description().controls) {
    const RECT b = forme.FindComponent(d.name)->BoundsRect();
    const ui::PixelBox regle = ui::ScaledBounds(d, dpi);
    EXPECT_EQ(b.left, regle.left) << d.name;
    EXPECT_EQ(b.top, regle.top) << d.name;
    const bool ajuste = d.kind == ui::Kind::Label && !(d.options & ui::kFixedSize);
    if (ajuste) {
      const SIZE texte96 = Texte96(d);
      const long largeur = std::lround(texte96.cx * dpi / 96.0), hauteur = std::lround(texte96.cy * dpi / 96.0);
      EXPECT_NEAR(b.right - b.left, largeur, 0.1 * largeur) << d.name;
      EXPECT_NEAR(b.bottom - b.top, hauteur, 0.1 * hauteur) << d.name;
      libelles.push_back({d.name, d.parent, b, RECT{d.x, d.y, d.x + texte96.cx, d.y + texte96.cy}});
    } else {
      EXPECT_EQ(b.right, regle.right) << d.name;
      EXPECT_EQ(b.bottom, regle.bottom) << d.name;
      if (d.kind == ui::Kind::Label)
        libelles.push_back({d.name, d.parent, b, RECT{d.x, d.y, d.x + d.width, d.y + d.height}});
    }
  }
  for (size_t i = 0; i < libelles.size(); ++i)
    for (size_t j = i + 1; j < libelles.size(); ++j) {
      const Libelle &a = libelles[i], &b = libelles[j];
      if (std::string_view(a.parent) != b.parent || SeCoupent(a.a96, b.a96)) continue;
      EXPECT_FALSE(SeCoupent(a.ecran, b.ecran)) << a.nom << " and " << b.nom;
    }
}

class Echelles : public FicheScriptee {};

// Windows before 10 1607, which lacks SystemParametersInfoForDpi; 2000 and XP also refuse a NONCLIENTMETRICSW
// that holds iPaddedBorderWidth, which Vista added (Wine takes both).
class SystemeSansDpi : public ui::System {
 public:
  static constexpr UINT kTailleXp = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
  SystemeSansDpi() { ui::SetSystem(this); }
  ~SystemeSansDpi() override { ui::SetSystem(nullptr); }
  BOOL SystemParametersInfoForDpi(UINT, UINT, void*, UINT, UINT) override { return FALSE; }
  BOOL SystemParametersInfoW(UINT action, UINT param, void* value, UINT winIni) override {
    if (action == SPI_GETNONCLIENTMETRICS &&
        (param != kTailleXp || static_cast<NONCLIENTMETRICSW*>(value)->cbSize != kTailleXp))
      return FALSE;
    return ui::System::SystemParametersInfoW(action, param, value, winIni);
  }
};

// The heights of the fonts of this thread's tooltips.
std::vector<LONG> HauteursDesBulles() {
  std::vector<LONG> hauteurs;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM l) WINAPI -> BOOL {
        wchar_t classe[32];
        GetClassNameW(h, classe, 32);
        LOGFONTW police{};
        if (_wcsicmp(classe, TOOLTIPS_CLASSW) == 0 &&
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof police, &police))
          reinterpret_cast<std::vector<LONG>*>(l)->push_back(police.lfHeight);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&hauteurs));
  return hauteurs;
}

// On a monitor of another scale, the hints take the system's status font at that scale, even where the
// system cannot give it for a dpi.
TEST_F(Echelles, SansLaPoliceParDpiLesBullesPrennentCelleDuSystemeALEchelle) {
  fiche->Show();  // the hints made, the verdicts' included
  const int dpi = GetDeviceCaps(ui::MeasureDc(), LOGPIXELSY), autre = dpi == 96 ? 144 : 96;
  NONCLIENTMETRICSW systeme{};
  systeme.cbSize = sizeof systeme;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof systeme, &systeme, 0));
  SystemeSansDpi ancien;
  RECT fenetre;
  GetWindowRect(fiche->Handle(), &fenetre);
  SendMessageW(fiche->Handle(), WM_DPICHANGED, MAKEWPARAM(autre, autre), reinterpret_cast<LPARAM>(&fenetre));
  ASSERT_EQ(fiche->Dpi(), autre);
  const std::vector<LONG> hauteurs = HauteursDesBulles();
  EXPECT_EQ(hauteurs.size(), 2u) << "the short and the long hints";
  for (LONG h : hauteurs) EXPECT_EQ(h, MulDiv(systeme.lfStatusFont.lfHeight, autre, dpi));
}

TEST_F(Echelles, LaFicheEtLaBoiteAProposSontLeursLignesALEchelle) {
  const int dpi = GetDeviceCaps(ui::MeasureDc(), LOGPIXELSY);
  const Echelle* echelle = nullptr;
  for (const Echelle& e : kEchelles)
    if (e.dpi == dpi) echelle = &e;
  if (!echelle) GTEST_SKIP() << dpi << " dpi: not a scale of the table";
  EXPECT_EQ(fiche->Dpi(), dpi);
  VerifierForme(*fiche, dpi);
  appli::TAboutBox aPropos;
  VerifierForme(aPropos, dpi);

  // Windows suggests the old window scaled as a whole, frame included (WM_DPICHANGED), which misses the
  // layout's client area wherever the frame does not scale with it.
  const int autre = echelle->autre;
  RECT fenetre;
  GetWindowRect(fiche->Handle(), &fenetre);
  const RECT propose{fenetre.left, fenetre.top, fenetre.left + MulDiv(fenetre.right - fenetre.left, autre, dpi),
                     fenetre.top + MulDiv(fenetre.bottom - fenetre.top, autre, dpi)};
  SendMessageW(fiche->Handle(), WM_DPICHANGED, MAKEWPARAM(autre, autre), reinterpret_cast<LPARAM>(&propose));
  EXPECT_EQ(fiche->Dpi(), autre);
  VerifierForme(*fiche, autre);
}

}  // namespace
