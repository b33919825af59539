// The skinned tab control: where its tabs are, what it paints, and which theme file it takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

#include "Documente.h"
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "app/Cfg.h"

namespace {

class Onglets : public FicheScriptee {
 protected:
  HWND Handle() const { return fiche->Tabs->Handle(); }
  RECT Onglet(int i) const {
    RECT r{};
    EXPECT_TRUE(SendMessageW(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)));
    return r;
  }
  int Toucher(int x, int y) const {
    TCHITTESTINFO essai{{x, y}, 0};
    return static_cast<int>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&essai)));
  }
};

TEST_F(Onglets, LePremierOngletEstA10PixelsEtChaqueOngletSeToucheOuIlEstDessine) {
  EXPECT_EQ(Onglet(0).left, 10);
  RECT body;
  GetClientRect(Handle(), &body);
  for (int i = 0; i < 5; ++i) {
    const RECT r = Onglet(i);
    if (i > 0) {
      EXPECT_GT(r.left, Onglet(i - 1).right - 1) << i;
    }
    EXPECT_LE(r.right, body.right) << "tab " << i << " within the control";
    EXPECT_GE(r.right - r.left, 30) << i;
    EXPECT_EQ(Toucher((r.left + r.right) / 2, (r.top + r.bottom) / 2), i);
  }
  EXPECT_EQ(Toucher(5, 15), -1) << "left of the first tab";
  EXPECT_EQ(Toucher(100, 200), -1) << "in the body";
  EXPECT_FALSE(SendMessageW(Handle(), TCM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&body)));
}

// What the control paints of itself (its pages not included), in a 32-bit picture.
class Image {
 public:
  explicit Image(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    largeur_ = r.right;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = ui::GdiObject<HBITMAP>(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<const DWORD*>(bits);
    taille_ = static_cast<size_t>(r.right) * static_cast<size_t>(r.bottom);
    HDC dc = CreateCompatibleDC(nullptr);
    {
      ui::SelectedObject sel(dc, bitmap_.get());
      SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    DeleteDC(dc);
    GdiFlush();
  }
  COLORREF operator()(int x, int y) const {
    const DWORD p = pixels_[y * largeur_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  bool operator==(const Image& autre) const {
    return taille_ == autre.taille_ && std::equal(pixels_, pixels_ + taille_, autre.pixels_);
  }

 private:
  ui::GdiObject<HBITMAP> bitmap_;
  const DWORD* pixels_ = nullptr;
  int largeur_ = 0;
  size_t taille_ = 0;
};

TEST_F(Onglets, LeCorpsEstBlancBordeDeGrisEtLOngletChoisiSOuvreDessus) {
  fiche->Show();
  Pomper();
  const Image image(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  const COLORREF gris = 8092539;
  EXPECT_EQ(image(0, 150), gris) << "left side of the frame";
  EXPECT_EQ(image(client.right - 1, 150), gris);
  EXPECT_EQ(image(150, client.bottom - 1), gris);
  EXPECT_EQ(image(client.right - 2, 26), RGB(255, 255, 255)) << "the body, between frame and page";
  const RECT choisi = Onglet(0), autre = Onglet(2);
  const int xChoisi = (choisi.left + choisi.right) / 2;
  EXPECT_EQ(image(xChoisi, 24), RGB(255, 255, 255)) << "the tab on show opens into the body";
  EXPECT_EQ(image((autre.left + autre.right) / 2, 24), gris) << "the frame runs under the others";
  const COLORREF face = image(autre.left + 3, 20);
  EXPECT_GT(GetBValue(face), GetRValue(face) + 40) << "the built-in style's tabs are blue";
}

// The tab strip has the focus from the start, yet neither it nor a picture button shows the focus until
// a key shows the cues, as Windows keeps them; from then on the one with the focus shows it.
TEST_F(Onglets, LeFocusNeSeVoitQuUneFoisLeClavierUtilise) {
  EtatUIDocumente etat;
  appli::TFichePrinc f(plateforme);
  f.Show();
  Pomper();
  EXPECT_EQ(GetFocus(), f.Tabs->Handle()) << "the arrows switch tabs at once";
  const ui::Control* controles[] = {f.Tabs, f.LMDMMButton2, f.LBtnX};
  auto voir = [&](const char* quand, bool focusVisible) {
    for (const ui::Control* c : controles) {
      SetFocus(f.BtnHelp->Handle());
      Pomper();
      const Image sansFocus(c->Handle());
      SetFocus(c->Handle());
      Pomper();
      EXPECT_EQ(Image(c->Handle()) == sansFocus, !focusVisible) << quand << ", " << c->Name();
    }
  };
  voir("at start", false);
  const MSG alt{f.Tabs->Handle(), WM_SYSKEYDOWN, VK_MENU, 0x20380001, 0, {}};
  EXPECT_FALSE(f.Keyboard().Translate(alt)) << "Alt stays the system's";
  Pomper();
  voir("after Alt", true);
}

TEST(Theme, LePremierFichierTrouveDecide) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring dossier = std::wstring(temp) + L"quorvane-theme";
  const std::wstring programme = dossier + L"\\programme", absolu = dossier + L"\\absolu\\Onglets.ini";
  CreateDirectoryW(dossier.c_str(), nullptr);
  CreateDirectoryW(programme.c_str(), nullptr);
  CreateDirectoryW((dossier + L"\\absolu").c_str(), nullptr);
  const std::wstring aCote = programme + L"\\Onglets.ini";
  auto ecrire = [](const std::wstring& chemin, const char* text) {
    DeleteFileW(chemin.c_str());
    if (text) std::ofstream(chemin.c_str(), std::ios::binary) << text;
  };
  const ui::TabStyle integre;
  struct Cas {
    const char* absolu;  // nullptr: no file
    const char* aCote;
    int offset;
  };
  const Cas cas[] = {
      {nullptr, nullptr, integre.offset},
      {"[Onglets]\nDecalage = 3\n", "[Onglets]\nDecalage = 4\n", 3},
      {nullptr, "[Onglets]\nDecalage = 4\n", 4},
      {"[Onglets]\nDecalage = trois\n", "[Onglets]\nDecalage = 4\n", integre.offset},  // malformed: built-in
      {nullptr, "\x01\x02garbage", integre.offset},
      {"[Onglets]\nHaut = #FF0000\n", nullptr, integre.offset},  // partial
  };
  for (const Cas& c : cas) {
    ecrire(absolu, c.absolu);
    ecrire(aCote, c.aCote);
    EXPECT_EQ(ui::LoadTheme(absolu, programme).offset, c.offset)
        << (c.absolu ? c.absolu : "-") << " / " << (c.aCote ? c.aCote : "-");
  }
  EXPECT_EQ(ui::LoadTheme(absolu, programme).top, RGB(255, 0, 0));
  ecrire(absolu, nullptr);
  ecrire(aCote, nullptr);
}

}  // namespace
