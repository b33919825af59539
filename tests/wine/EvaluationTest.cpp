// The verdicts on the window's pictures and comment labels, and the report in the hidden memo.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <memory>

#include "Outils.h"
#include "PlateformeScriptee.h"
#include "app/Cfg.h"

namespace {

constexpr COLORREF kVert = 6736896, kJaune = 65535, kRouge = 255;

using Evaluation = FicheScriptee;

// The hint that the window's tooltips show over that control.
std::wstring Bulle(HWND fiche, HWND controle) {
  struct Quete {
    HWND fiche, controle;
    std::wstring texte;
  } quete{fiche, controle, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM l) WINAPI -> BOOL {
        auto& q = *reinterpret_cast<Quete*>(l);
        wchar_t classe[64] = {}, texte[512] = {};
        GetClassNameW(h, classe, 64);
        if (wcscmp(classe, TOOLTIPS_CLASSW) != 0 || GetWindow(h, GW_OWNER) != q.fiche) return TRUE;
        TTTOOLINFOW outil{};
        outil.cbSize = sizeof outil;
        outil.hwnd = q.fiche;
        outil.uId = reinterpret_cast<UINT_PTR>(q.controle);
        outil.lpszText = texte;
        SendMessageW(h, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&outil));
        if (texte[0]) q.texte = texte;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&quete));
  return quete.texte;
}

// The name a screen reader gives the window: the system's accessibility (oleacc, loaded by this test
// only), or its window text, from which that name comes, where Wine has none.
std::wstring NomAccessible(HWND fenetre) {
  using Fonction = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
  static const auto trouver = reinterpret_cast<Fonction>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow")));
  IAccessible* objet = nullptr;
  if (!trouver || FAILED(trouver(fenetre, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&objet))))
    return TexteFenetre(fenetre);
  VARIANT soi{};
  soi.vt = VT_I4;
  soi.lVal = CHILDID_SELF;
  BSTR nom = nullptr;
  const HRESULT lu = objet->get_accName(soi, &nom);
  objet->Release();
  std::wstring texte = SUCCEEDED(lu) && nom ? std::wstring(nom, SysStringLen(nom)) : L"(no name)";
  SysFreeString(nom);
  return texte;
}

struct Attendu {
  const char* picture;
  int index;
  const char* label;
  COLORREF couleur;
  const wchar_t* legende;  // as stored: "&&" for a displayed '&'
};

TEST_F(Evaluation, LesVerdictsVontAuxBonsControles) {
  // PCs that differ on every tab, evaluated one after the other on the same window, so that a verdict sent
  // to the wrong control, or a control left from the run before, shows.
  struct Pc {
    const char* quoi;
    int32_t codeOS, ram;
    uint8_t is3D, echec;
    int32_t memoireVideo, vitesse;
    uint32_t dx;
    std::vector<Attendu> attendus;
  };
  const std::vector<Pc> pcs = {
      {"Windows 98, 128 MB, 3D with 32 MB, 600 MHz, DirectX 9",
       2,
       128,
       1,
       0,
       32,
       600,
       9,
       {{"OSPim", 0, "LblCmtOS", kVert, L"Le jeu devrait bien fonctionner !"},
        {"RAMPim", 2, "LblCmtRAM", kRouge, L"Danger ! Le jeu ne fonctionnera pas !"},
        {"CGPim", 0, "LblCmtCG", kVert, L"Le jeu devrait bien fonctionner !"},
        {nullptr, 0, "LblCmtSpecial", kJaune,
         L"Note: Ce n'est pas parce que votre carte fait du 3D qu'elle supporte le T&&L."},
        {"CPUPim", 1, "LblCmtCPU", kJaune, L"Le jeu va fonctionner !"},
        {"PIMDX", 0, "LblCmtDx", kVert, L"Votre version de Directx est assez recente."}}},
      {"Windows 95, 1024 MB, no 3D and no card, 1501 MHz, DirectX 7",
       1,
       1024,
       0,
       1,
       64,
       1501,
       7,
       {{"OSPim", 1, "LblCmtOS", kJaune, L"Danger ! Le jeux risque de ne pas fonctionner avec cet OS !"},
        {"RAMPim", 1, "LblCmtRAM", kJaune, L"Danger ! La configuration actuelle ne permet pas de tester le RAM !"},
        {"CGPim", 2, "LblCmtCG", kRouge, L"Danger ! Votre carte vidéo ne supporte probablement pas T&&L !"},
        {nullptr, 0, "LblCmtSpecial", kRouge, L"Impossible de détecter votre carte video."},
        {"CPUPim", 0, "LblCmtCPU", kVert, L"Le jeu devrait bien fonctionner !"},
        {"PIMDX", 1, "LblCmtDx", kJaune, L"Cette Version de directx est trop ancienne. Veuillez la mettre a jour."}}},
      {"Windows XP, 257 MB, 3D with 33 MB, 599 MHz, no DirectX",
       7,
       257,
       1,
       0,
       33,
       599,
       0,
       {{"OSPim", 0, "LblCmtOS", kVert, L"Le jeu devrait bien fonctionner !"},
        {"RAMPim", 0, "LblCmtRAM", kVert, L"Le jeu devrait bien fonctionner !"},
        {"CGPim", 0, "LblCmtCG", kVert, L"Le jeu devrait bien fonctionner !"},
        {nullptr, 0, "LblCmtSpecial", kVert, L"Votre carte devrait supporter le T&&L."},
        {"CPUPim", 2, "LblCmtCPU", kRouge, L"Danger ! Le jeu ne fonctionnera pas !"},
        {"PIMDX", 2, "LblCmtDx", kRouge,
         L"Impossible de trouver DirectX. Veuillez installer la dernière version disponible."}}},
  };
  for (const Pc& pc : pcs) {
    fiche->Resultats.CodeOS = pc.codeOS;
    fiche->Resultats.TotalRAM = pc.ram;
    fiche->Resultats.Is3D = pc.is3D;
    fiche->Resultats.EchecVideo = pc.echec;
    fiche->Resultats.MemoireVideo = pc.memoireVideo;
    fiche->Resultats.Vitesse = pc.vitesse;
    fiche->Resultats.DxMajeur = pc.dx;
    fiche->Evaluer();
    for (const Attendu& a : pc.attendus) {
      if (a.picture) {
        const HWND image = fiche->Component<ui::Picture>(a.picture)->Handle();
        EXPECT_EQ(fiche->Component<ui::Picture>(a.picture)->ImageIndex(), a.index) << pc.quoi << ", " << a.picture;
        // Read out as its colour, then the hint the mouse shows (the '&' of "T&L" included).
        const wchar_t* const couleurs[] = {L"vert", L"jaune", L"rouge"};
        EXPECT_EQ(NomAccessible(image), couleurs[a.index] + std::wstring(L". ") + Bulle(fiche->Handle(), image))
            << pc.quoi << ", " << a.picture;
      }
      auto* label = fiche->Component<ui::Label>(a.label);
      EXPECT_EQ(label->Color(), std::optional<COLORREF>(a.couleur)) << pc.quoi << ", " << a.label;
      EXPECT_EQ(label->Text(), a.legende) << pc.quoi << ", " << a.label;
    }
  }
  EXPECT_TRUE(gErreurs.empty());
}

TEST_F(Evaluation, UnCommentaireEstUneBandeDeSaCouleurEtMontreTEtL) {
  fiche->Show();  // the run's own verdicts first, then these
  fiche->Resultats.Is3D = 1;
  fiche->Resultats.MemoireVideo = 64;
  fiche->Evaluer();
  // The video card's page in front, painted.
  fiche->TabCV->SetVisible(true);
  SetWindowPos(fiche->TabCV->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(fiche->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pomper();

  HWND special = fiche->LblCmtSpecial->Handle();
  RECT r;
  GetClientRect(special, &r);
  // The top row of a line of text is the band itself, from end to end.
  EXPECT_EQ(PixelEcran(special, 0, 0), kVert);
  EXPECT_EQ(PixelEcran(special, r.right - 1, 0), kVert);
  EXPECT_EQ(PixelEcran(fiche->LblCmtCG->Handle(), 1, 0), kVert);
  // Outside the label the page stays white.
  EXPECT_EQ(PixelEcran(special, r.right + 2, 0), RGB(255, 255, 255));

  // The label is as wide as "T&L" drawn once, not as the stored "T&&L".
  HDC dc = GetDC(special);
  SIZE affiche{}, double_{};
  {
    ui::SelectedObject police(dc, reinterpret_cast<HFONT>(SendMessageW(special, WM_GETFONT, 0, 0)));
    const std::wstring texte = L"Votre carte devrait supporter le T&L.";
    GetTextExtentPoint32W(dc, texte.c_str(), static_cast<int>(texte.size()), &affiche);
    const std::wstring stocke = L"Votre carte devrait supporter le T&&L.";
    GetTextExtentPoint32W(dc, stocke.c_str(), static_cast<int>(stocke.size()), &double_);
  }
  ReleaseDC(special, dc);
  EXPECT_EQ(r.right, affiche.cx);
  EXPECT_NE(affiche.cx, double_.cx);
}

TEST_F(Evaluation, LInspectionJugeEtRemplitLeRapportDepuisLesLibelles) {
  fiche->Show();
  ASSERT_TRUE(gErreurs.empty());
  // The scripted PC: Windows XP, 513 MB, no diagnostic provider (so no card and the 1500 MHz bar),
  // 2400 MHz, no DirectX file.
  EXPECT_EQ(fiche->OSPim->ImageIndex(), 0);
  EXPECT_EQ(fiche->RAMPim->ImageIndex(), 0);
  EXPECT_EQ(fiche->CGPim->ImageIndex(), 2);
  EXPECT_EQ(fiche->CPUPim->ImageIndex(), 0);
  EXPECT_EQ(fiche->PIMDX->ImageIndex(), 2);

  // The memo: its own empty line, then one line per value label as the label shows it.
  const auto lignes = fiche->MemoConfig->Lines();
  ASSERT_EQ(lignes.size(), 20u);
  EXPECT_EQ(lignes[0], L"");
  EXPECT_EQ(lignes[1], L"CPU              : Scripted(R) CPU @ 2.40GHz");
  EXPECT_EQ(lignes[10], L"TAILLE           : 1024 X 768");
  EXPECT_EQ(lignes[17], L"AUTRE            : Service Pack 2");
  EXPECT_EQ(lignes[19], L"Version DIRECTX  : 0.0 ");
  const std::wstring texte = fiche->MemoConfig->Text();
  for (const wchar_t* verdict : {L"fonctionner", L"T&&L", L"Directx est", L"Impossible de"})
    EXPECT_EQ(texte.find(verdict), std::wstring::npos) << "no verdict in the report";
}

TEST_F(Evaluation, LeRapportLitLesLegendesTellesQuAffichees) {
  // Captions the labels show, whatever the findings: an accented one and an empty one.
  fiche->LblMarqueVideo->SetText(L"RADEON 9600 Série");
  fiche->LblAutreInfo->SetText(L"");
  fiche->RemplirRapport();
  const auto lignes = fiche->MemoConfig->Lines();
  ASSERT_EQ(lignes.size(), 20u);
  EXPECT_EQ(lignes[2], L"VITESSE          : LblVitesse") << "the label's text, not the finding";
  EXPECT_EQ(lignes[8], L"CARTE VIDEO      : RADEON 9600 Série");
  EXPECT_EQ(lignes[17], L"AUTRE            : ");
  EXPECT_EQ(fiche->MemoConfig->Text().substr(0, 2), L"\r\n") << "after the memo's own empty line";
}

}  // namespace
