// The real program under Wine: the video card and DirectX from Wine's diagnostic provider, and, with the
// provider disabled, the warning box first, then DirectX from Wine's system files.
#include <gtest/gtest.h>

#include <d3d9.h>
#include <wrl/client.h>

#include <vector>

#include "Pilote.h"

namespace {

using pilote::Controle;
using pilote::Processus;
using pilote::Texte;

// What the display fields must show, as this process sees the same display.
void VerifierAffichage(HWND fiche) {
  const std::wstring taille = std::to_wstring(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + L" X " +
                              std::to_wstring(GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_EQ(Texte(Controle(fiche, "LblHW")), taille);
  HDC ecran = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  const int bits = GetDeviceCaps(ecran, PLANES) * GetDeviceCaps(ecran, BITSPIXEL);
  DeleteDC(ecran);
  EXPECT_EQ(Texte(Controle(fiche, "LblRes")), std::to_wstring(bits) + L" Bits");
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  EXPECT_EQ(Texte(Controle(fiche, "LblRefreshRate")), std::to_wstring(mode.dmDisplayFrequency) + L" Hz");
}

TEST(Video, LeFournisseurDeWineDonneSaCarteEt9_0c) {
  // Wine's provider names the card as its Direct3D 9 adapter does.
  Microsoft::WRL::ComPtr<IDirect3D9> d3d;
  d3d.Attach(Direct3DCreate9(D3D_SDK_VERSION));
  ASSERT_NE(d3d, nullptr);
  D3DADAPTER_IDENTIFIER9 adaptateur{};
  ASSERT_EQ(d3d->GetAdapterIdentifier(0, 0, &adaptateur), D3D_OK);
  d3d.Reset();

  Processus p(pilote::Copie(L"Q_video.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_TRUE(pilote::Fenetres(L"#32770").empty()) << "no warning on the provider path";
  EXPECT_EQ(Texte(Controle(fiche, "LblMarqueVideo")), base::DepuisAnsi(adaptateur.Description).value());
  EXPECT_EQ(Texte(Controle(fiche, "LblIs3D")), L"Oui");
  EXPECT_EQ(Texte(Controle(fiche, "LblDxVersion")), L"9.0c");
  EXPECT_NE(Texte(Controle(fiche, "LblVerDrv")), L"Inconnue");
  const std::wstring memoire = Texte(Controle(fiche, "LblMemoireVideo"));
  EXPECT_GT(_wtoi(memoire.c_str()), 0) << "Wine writes a fraction (\"4291.8 MB\"): " << memoire.c_str();
  VerifierAffichage(fiche);
}

struct Enfants {
  std::vector<std::wstring> textes;
  HWND icone = nullptr;
  HWND ok = nullptr;
};

Enfants EnfantsDeLaBoite(HWND boite) {
  Enfants e;
  EnumChildWindows(
      boite,
      [](HWND h, LPARAM l) WINAPI -> BOOL {
        auto& trouves = *reinterpret_cast<Enfants*>(l);
        wchar_t classe[32] = {};
        GetClassNameW(h, classe, 32);
        if (_wcsicmp(classe, L"Static") == 0 && (GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
          trouves.icone = h;
        else if (_wcsicmp(classe, L"Static") == 0)
          trouves.textes.push_back(Texte(h));
        else if (GetDlgCtrlID(h) == IDOK)
          trouves.ok = h;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&e));
  return e;
}

// The pixels of a rectangle of the screen, or those of an icon drawn on the given background.
std::vector<COLORREF> Pixels(const RECT& r, HICON icone, COLORREF fond) {
  const int l = r.right - r.left, h = r.bottom - r.top;
  HDC ecran = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(ecran);
  HBITMAP image = CreateCompatibleBitmap(ecran, l, h);
  HGDIOBJ ancien = SelectObject(dc, image);
  if (icone) {
    HBRUSH pinceau = CreateSolidBrush(fond);
    const RECT tout{0, 0, l, h};
    FillRect(dc, &tout, pinceau);
    DeleteObject(pinceau);
    DrawIconEx(dc, 0, 0, icone, l, h, 0, nullptr, DI_NORMAL);
  } else {
    BitBlt(dc, 0, 0, l, h, ecran, r.left, r.top, SRCCOPY);
  }
  std::vector<COLORREF> pixels;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < l; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, ancien);
  DeleteObject(image);
  DeleteDC(dc);
  ReleaseDC(nullptr, ecran);
  return pixels;
}

// Which of the four message-box icons the control shows: the one whose drawing matches the screen best.
LPCWSTR IconeMontree(HWND controle) {
  RECT r;
  GetWindowRect(controle, &r);
  const auto vues = Pixels(r, nullptr, 0);
  LPCWSTR meilleure = nullptr;
  size_t meilleurScore = 0;
  for (LPCWSTR id : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
    const auto dessin = Pixels(r, LoadIconW(nullptr, id), vues.front());
    size_t score = 0;
    for (size_t i = 0; i < vues.size(); ++i) score += vues[i] == dessin[i];
    if (score > meilleurScore) meilleurScore = score, meilleure = id;
  }
  return meilleurScore > vues.size() * 9 / 10 ? meilleure : nullptr;
}

TEST(Video, SansFournisseurLAvertissementPuisLesFichiersDeWine) {
  // Wine's system directory holds d3d9.dll with a version resource: the files give 9.0.
  char systeme[MAX_PATH];
  GetSystemDirectoryA(systeme, MAX_PATH);
  ASSERT_GT(GetFileVersionInfoSizeA((std::string(systeme) + "\\d3d9.dll").c_str(), nullptr), 0u);

  const std::wstring fichier = L"Q_sansdxdiag.exe";
  pilote::DesactiverDll(fichier, L"dxdiagn");
  Processus p(pilote::Copie(fichier));
  HWND boite = p.Fenetre(L"#32770");
  ASSERT_NE(boite, nullptr);
  EXPECT_EQ(p.Fenetre(L"TFichePrinc", 0), nullptr) << "the box comes before the main window";
  EXPECT_EQ(Texte(boite), L"Attention !");
  Sleep(300);  // let the box paint its icon
  const Enfants enfants = EnfantsDeLaBoite(boite);
  EXPECT_EQ(enfants.textes, std::vector<std::wstring>{L"Impossible de lire les infos de votre carte graphique."});
  ASSERT_NE(enfants.icone, nullptr);
  EXPECT_EQ(IconeMontree(enfants.icone), IDI_EXCLAMATION);
  ASSERT_NE(enfants.ok, nullptr) << "an OK button";

  PostMessageW(boite, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(enfants.ok));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_EQ(Texte(Controle(fiche, "LblMarqueVideo")), L"Inconnue");
  EXPECT_EQ(Texte(Controle(fiche, "LblVerDrv")), L"Inconnue");
  EXPECT_EQ(Texte(Controle(fiche, "LblIs3D")), L"Non");
  EXPECT_EQ(Texte(Controle(fiche, "LblMemoireVideo")), L"0 MB");
  EXPECT_EQ(Texte(Controle(fiche, "LblDxVersion")), L"9.0  et/ou +");
  VerifierAffichage(fiche);
  EXPECT_EQ(Texte(Controle(fiche, "StatusBar")), L"Détection du matériel effectuée avec succès !");
}

}  // namespace
