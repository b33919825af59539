// The skin of the tab control: its drawing and its theme file.
#include "ui/Form.h"
#include "ui/Picture.h"
#include "ui/TabControl.h"

namespace ui {
namespace {

constexpr int kFichierMax = 64 * 1024;

COLORREF Melange(COLORREF a, COLORREF b, int pourcent) {
  auto m = [&](BYTE x, BYTE y) { return static_cast<BYTE>((x * (100 - pourcent) + y * pourcent) / 100); };
  return RGB(m(GetRValue(a), GetRValue(b)), m(GetGValue(a), GetGValue(b)), m(GetBValue(a), GetBValue(b)));
}

void Remplir(HDC dc, const RECT& r, COLORREF couleur) {
  SetDCBrushColor(dc, couleur);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Degrade(HDC dc, const RECT& r, COLORREF haut, COLORREF bas) {
  if (r.bottom <= r.top || r.right <= r.left) return;
  auto sommet = [](LONG x, LONG y, COLORREF c) {
    return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
                     static_cast<COLOR16>(GetBValue(c) << 8), 0};
  };
  TRIVERTEX sommets[2] = {sommet(r.left, r.top, haut), sommet(r.right, r.bottom, bas)};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc, sommets, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

// A line through the points, in one pixel of the colour, the last point included.
void Trait(HDC dc, std::initializer_list<POINT> points, COLORREF couleur) {
  SetDCPenColor(dc, couleur);
  Selection stylo(dc, GetStockObject(DC_PEN));
  const POINT* p = points.begin();
  MoveToEx(dc, p->x, p->y, nullptr);
  for (++p; p != points.end(); ++p) LineTo(dc, p->x, p->y);
  SetPixelV(dc, (p - 1)->x, (p - 1)->y, couleur);
}

}  // namespace

StyleOnglets ChargerTheme(const std::wstring& absolu, const std::wstring& dossierProgramme) {
  const std::wstring aCote = dossierProgramme + L"\\" + absolu.substr(absolu.find_last_of(L"\\/") + 1);
  for (const std::wstring& chemin : {absolu, aCote}) {
    Handle fichier(CreateFileW(chemin.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!fichier) continue;
    // The first file found decides; a theme is a few lines, so a large file is not one.
    LARGE_INTEGER taille{};
    if (!GetFileSizeEx(fichier.get(), &taille) || taille.QuadPart > kFichierMax) return {};
    std::string texte(static_cast<size_t>(taille.QuadPart), '\0');
    DWORD lus = 0;
    if (!ReadFile(fichier.get(), texte.data(), static_cast<DWORD>(texte.size()), &lus, nullptr) || lus != texte.size())
      return {};
    return LireTheme(texte).value_or(StyleOnglets{});
  }
  return {};
}

void TabControl::Peindre(HDC cible) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC dc = CreateCompatibleDC(cible);
  ObjetGdi<HBITMAP> tampon(CreateCompatibleBitmap(cible, client.right, client.bottom));
  {
    Selection sel(dc, tampon.get());
    // Beside the tabs, what lies under the control: the form's background picture.
    if (Picture* fond = forme_.Fond()) fond->PeindreSous(dc, Cadre());
    else FillRect(dc, &client, forme_.Pinceau());
    const RECT corps{0, kHautCorps, client.right, client.bottom};
    Remplir(dc, corps, style_.corps);
    Trait(dc, {{0, kHautCorps}, {client.right - 1, kHautCorps}, {client.right - 1, client.bottom - 1},
               {0, client.bottom - 1}, {0, kHautCorps}}, style_.bordure);
    const auto choisi = static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < static_cast<int>(onglets_.size()); ++i)
      if (i != choisi) PeindreOnglet(dc, i, false);
    if (choisi >= 0 && choisi < static_cast<int>(onglets_.size())) PeindreOnglet(dc, choisi, true);
    BitBlt(cible, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  }
  DeleteDC(dc);
}

void TabControl::PeindreOnglet(HDC dc, int index, bool actif) const {
  RECT r = onglets_[static_cast<size_t>(index)];
  const LONG g = r.left, d = r.right - 1;
  if (actif) {
    // The tab on show stands higher and opens into the body, over the frame's row.
    r.top -= kLeve;
    Remplir(dc, RECT{g + 1, r.top + 1, d, kHautCorps + 1}, style_.corps);
    Remplir(dc, RECT{g + 2, r.top + 1, d - 1, r.top + 3}, style_.accent);
    Trait(dc, {{g + 1, r.top + 3}, {d - 1, r.top + 3}}, Melange(style_.accent, style_.corps, 50));
  } else {
    // A glossy face: a light upper half over the darker lower one.
    const LONG milieu = (r.top + kHautCorps) / 2;
    Degrade(dc, RECT{g + 1, r.top + 1, d, milieu}, Melange(style_.haut, RGB(255, 255, 255), 45), style_.haut);
    Degrade(dc, RECT{g + 1, milieu, d, kHautCorps}, style_.bas, Melange(style_.bas, style_.haut, 55));
  }
  Trait(dc, {{g, kHautCorps}, {g, r.top + 2}, {g + 2, r.top}, {d - 2, r.top}, {d, r.top + 2}, {d, kHautCorps}},
        style_.bordure);

  const std::wstring& legende = legendes_[static_cast<size_t>(index)];
  RECT texte{g, r.top + (actif ? 3 : 1), d + 1, kHautCorps};
  Selection police(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, actif ? style_.texteActif : style_.texte);
  DrawTextW(dc, legende.c_str(), static_cast<int>(legende.size()), &texte,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (actif && clavier_ && GetFocus() == hwnd_) {
    InflateRect(&texte, -4, -3);
    DrawFocusRect(dc, &texte);
  }
}

}  // namespace ui
