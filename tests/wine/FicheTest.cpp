// The main window built from its description, and its inspection run on a scripted platform.
#include <gtest/gtest.h>

#include <memory>

#include "Documente.h"
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "app/Cfg.h"
#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/System.h"

namespace {

class Fiche : public FicheScriptee {
 protected:
  std::wstring Texte(const char* nom) { return fiche->FindComponent(nom)->Text(); }
};

// Every control of the description is a real child window of its row's kind, under its row's parent, at its
// row's place and size (a label of no size fits its text), with its row's text and identifier.
TEST_F(Fiche, ChaqueControleEstLaFenetreDeSaLigne) {
  RECT client;
  GetClientRect(fiche->Handle(), &client);
  EXPECT_EQ(client.right, 568);
  EXPECT_EQ(client.bottom, 515);
  EXPECT_EQ(TexteFenetre(fiche->Handle()), L"Quorvane.");
  const wchar_t* const kClasses[] = {L"TImage",          L"Button",    L"Edit",   L"msctls_statusbar32",
                                     L"SysTabControl32", L"TTabSheet", L"Static", L"TPanel",
                                     L"Button"};  // by ui::Kind
  const auto& lignes = fiche->Description().controls;
  for (size_t i = 0; i < lignes.size(); ++i) {
    const ui::ControlDesc& d = lignes[i];
    ui::Control* c = fiche->FindComponent(d.name);
    ASSERT_NE(c, nullptr) << d.name;
    wchar_t classe[64] = {};
    GetClassNameW(c->Handle(), classe, 64);
    EXPECT_STREQ(classe, kClasses[static_cast<int>(d.kind)]) << d.name;
    EXPECT_EQ(GetParent(c->Handle()), d.parent ? fiche->FindComponent(d.parent)->Handle() : fiche->Handle()) << d.name;
    EXPECT_EQ(GetDlgCtrlID(c->Handle()), ui::kFirstControlId + static_cast<int>(i)) << d.name;
    const RECT r = c->BoundsRect();
    EXPECT_EQ(r.left, d.x) << d.name;
    EXPECT_EQ(r.top, d.y) << d.name;
    if (d.width) {
      EXPECT_EQ(r.right - r.left, d.width) << d.name;
      EXPECT_EQ(r.bottom - r.top, d.height) << d.name;
    } else {
      EXPECT_GT(r.right - r.left, 0) << d.name << ": a label fits its text";
    }
    // A memo holds one empty line from its creation.
    EXPECT_EQ(c->Text(), d.kind == ui::Kind::Memo ? L"\r\n" : d.text) << d.name;
  }
}

TEST_F(Fiche, LesOngletsPortentLesLegendesEtLesImagesMontrentLeRouge) {
  const wchar_t* legendes[] = {L"CPU", L"MÉMOIRE", L"GRAPHIQUES", L"OS", L"DIRECTX"};
  HWND onglets = fiche->Tabs->Handle();
  ASSERT_EQ(SendMessageW(onglets, TCM_GETITEMCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i) {
    wchar_t texte[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = texte;
    item.cchTextMax = 64;
    SendMessageW(onglets, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(texte, legendes[i]);
  }
  for (ui::Picture* p : {fiche->CPUPim, fiche->RAMPim, fiche->CGPim, fiche->OSPim, fiche->PIMDX})
    EXPECT_EQ(p->ImageIndex(), 2) << p->Name();
  EXPECT_TRUE(fiche->MemoConfig->Lines() == std::vector<std::wstring>{L""});
  EXPECT_FALSE(fiche->MemoConfig->Visible());
}

// Clicks the tab the way a user does, so that the tab control's own notification does the work.
void Cliquer(HWND onglets, int index) {
  RECT r;
  SendMessageW(onglets, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(onglets, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(onglets, WM_LBUTTONUP, 0, point);
  Pomper();
}

TEST_F(Fiche, ChangerDOngletActiveSaPageEtDesactiveLaPrecedente) {
  fiche->Show();
  ui::Panel* pages[] = {fiche->TabCPU, fiche->TabMemoire, fiche->TabCV, fiche->TabOS, fiche->TabDX};
  auto verifier = [&](int active, const char* quand) {
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(pages[i]->Enabled(), i == active) << quand << ", page " << i;
      EXPECT_EQ(pages[i]->Visible(), i == active) << quand << ", page " << i;
    }
    EXPECT_EQ(SendMessageW(fiche->Tabs->Handle(), TCM_GETCURSEL, 0, 0), active) << quand;
  };
  verifier(0, "at creation");
  const int ordre[] = {2, 4, 1, 1, 3, 0};
  for (int i : ordre) {
    Cliquer(fiche->Tabs->Handle(), i);
    verifier(i, "after a click");
  }
  // Labels on an enabled page are drawn as enabled, and stay enabled themselves.
  EXPECT_TRUE(IsWindowEnabled(fiche->LblCPU->Handle()));
}

TEST_F(Fiche, LInspectionEcritChaqueLibelle) {
  plateforme.DefinirVersion(VER_PLATFORM_WIN32_NT, 5, 0, "Service Pack 4");
  fiche->Show();
  EXPECT_TRUE(gErreurs.empty());
  EXPECT_EQ(fiche->StatusBar->SimpleText(), L"Détection du matériel effectuée avec succès !");
  EXPECT_EQ(TexteFenetre(fiche->StatusBar->Handle()), L"Détection du matériel effectuée avec succès !");
  EXPECT_EQ(fiche->Resultats.CodeOS, 6);
  // The scripted PC: 2.4 GHz, 512 MB of memory (shown as 513), no diagnostic provider (the card is
  // unknown, the DirectX files give nothing), a 1024 x 768 desktop in 32 bits at 60 Hz.
  const std::pair<const char*, const wchar_t*> attendus[] = {
      {"LblCPU", L"Scripted(R) CPU @ 2.40GHz"},
      {"LblVitesse", L"2400 MHz"},
      {"LblTotalRAM", L"513 Mo"},
      {"LblVirtuel", L"2049 Mo"},
      {"LblPage", L"1248 Mo"},
      {"LblMarqueVideo", L"Inconnue"},
      {"LblMemoireVideo", L"0 MB"},
      {"LblHW", L"1024 X 768"},
      {"LblRefreshRate", L"60 Hz"},
      {"LblRes", L"32 Bits"},
      {"LblVerDrv", L"Inconnue"},
      {"LblIs3D", L"Non"},
      {"LblVerOS", L"Windows 2000"},
      {"LblAutreInfo", L"Service Pack 4"},
      {"LblDxVersion", L"0.0 "},
  };
  for (const auto& [nom, texte] : attendus) EXPECT_EQ(Texte(nom), texte) << nom;
  // A label fits its new text.
  const RECT r = fiche->LblVerOS->BoundsRect();
  EXPECT_GT(r.right - r.left, 40);
}

// The window lands where the rule puts it on the screen, whatever bar narrows the work area: on this
// 1024 x 768 desktop, left 228 and top 84, for a normal start and for a minimised start restored later.
TEST_F(Fiche, LaPlaceEstCelleDeLaRegleSurLEcranMemeAvecUneBarre) {
  ASSERT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 768);
  struct Cas {
    const char* quoi;
    POINT origine;  // of the work area
    bool minimise;
  };
  const Cas cas[] = {
      {"no bar", {0, 0}, false},
      {"a 40-pixel taskbar at the top", {0, 40}, false},
      {"a 60-pixel bar at the left", {60, 0}, false},
      {"a taskbar at the top, minimised start", {0, 40}, true},
      {"a bar at the left, minimised start", {60, 0}, true},
  };
  for (const Cas& c : cas) {
    BureauAvecBarre barre(c.origine);
    appli::TFichePrinc f(plateforme);
    if (c.minimise) {
      f.ShowMinimizedDeferred();
      Pomper();
      ShowWindow(f.Handle(), SW_RESTORE);
    } else {
      f.Show();
    }
    Pomper();
    RECT r;
    GetWindowRect(f.Handle(), &r);
    EXPECT_EQ(r.left, 228) << c.quoi;
    EXPECT_EQ(r.top, 84) << c.quoi;
  }
}

TEST_F(Fiche, UneExceptionDUneSondeArreteLInspectionACetteEtape) {
  plateforme.lancerA = "GetVersionExA";
  fiche->Show();
  ASSERT_EQ(gErreurs.size(), 1u);
  EXPECT_EQ(gErreurs[0], L"Échec scripté de GetVersionExA");
  EXPECT_TRUE(fiche->Visible()) << "the window comes up after the error box";
  // Steps before the failing one happened; none after it.
  EXPECT_EQ(fiche->Resultats.MarqueVideo, "Inconnue");
  EXPECT_EQ(fiche->Resultats.VerOS, "");
  for (const appli::LigneValeur* v : appli::Valeurs()) EXPECT_EQ(Texte(v->label), base::DepuisUtf8(v->label));
  EXPECT_EQ(fiche->StatusBar->SimpleText(), L"");
  EXPECT_TRUE(fiche->MemoConfig->Lines() == std::vector<std::wstring>{L""});
  EXPECT_EQ(fiche->CPUPim->ImageIndex(), 2);
}

TEST_F(Fiche, UnDemarrageMinimiseAttendLaPremiereRestauration) {
  fiche->ShowMinimizedDeferred();
  Pomper();
  EXPECT_TRUE(IsIconic(fiche->Handle()));
  // Only the CPU-information object's read of the vendor, made when the window was created.
  EXPECT_EQ(plateforme.journal, (std::vector<std::string>{"CpuidPresent", "Cpuid"}))
      << "no probe before the first restore";
  EXPECT_EQ(Texte("LblVerOS"), L"LblVerOS");

  ShowWindow(fiche->Handle(), SW_RESTORE);
  Pomper();
  EXPECT_FALSE(IsIconic(fiche->Handle()));
  EXPECT_EQ(Texte("LblVerOS"), L"Windows XP");
  const auto appels = plateforme.journal.size();
  EXPECT_GT(appels, 0u);
  // Minimising and restoring again runs nothing more.
  ShowWindow(fiche->Handle(), SW_MINIMIZE);
  Pomper();
  ShowWindow(fiche->Handle(), SW_RESTORE);
  Pomper();
  EXPECT_EQ(plateforme.journal.size(), appels);
  EXPECT_TRUE(gErreurs.empty());
}

}  // namespace

// The clipboard that another program holds for its first `refus` openings, and the owners of the save
// dialogs and error boxes, in order.
class SystemeEspion : public ui::System {
 public:
  SystemeEspion() { ui::SetSystem(this); }
  ~SystemeEspion() override { ui::SetSystem(nullptr); }
  int refus = 0;
  std::vector<HWND> proprietaires;

  BOOL OpenClipboard(HWND owner) override {
    if (refus-- > 0) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    return ui::System::OpenClipboard(owner);
  }
  void Sleep(DWORD) override {}
  BOOL GetSaveFileNameW(OPENFILENAMEW* dialogue) override {
    proprietaires.push_back(dialogue->hwndOwner);
    return FALSE;
  }
  int MessageBoxW(HWND owner, const wchar_t*, const wchar_t*, UINT) override {
    proprietaires.push_back(owner);
    return IDOK;
  }
};

TEST_F(Fiche, UnPressePapiersTenuUnInstantEstAttendu) {
  fiche->Show();
  Pomper();
  struct Cas {
    const char* quoi;
    int refus;
    bool copie;
  };
  const Cas cas[] = {
      {"held for a moment", 4, true},
      {"held for good", 1000, false},
  };
  for (const Cas& c : cas) {
    SystemeEspion systeme;
    systeme.refus = c.refus;
    fiche->StatusBar->SetSimpleText(L"");
    std::wstring erreur;
    try {
      fiche->CopierRapport();
    } catch (const base::Exception& e) {
      erreur = e.Message();
    }
    EXPECT_EQ(erreur, c.copie ? L"" : L"Le presse-papiers est occupé par un autre programme. Réessayez dans un instant")
        << c.quoi;
    EXPECT_EQ(fiche->StatusBar->SimpleText(), c.copie ? L"Rapport copié dans le presse-papiers." : L"") << c.quoi;
  }
}

// The main window has its own taskbar button: once it is visible, the save dialog and the error boxes are
// its own, so that they stay in front of it; before, the hidden application window's.
TEST(Boites, LaFenetreVisibleLesPossede) {
  PlateformeScriptee plateforme;
  SystemeEspion systeme;
  auto* principale = ui::Application->CreateMainForm<appli::TFichePrinc>(plateforme);
  appli::FichePrinc = principale;
  const HWND cachee = ui::Application->Handle();
  principale->LMDMMButton3Click(nullptr);
  ui::Application->ShowException(L"avant");
  principale->Show();
  Pomper();
  principale->LMDMMButton3Click(nullptr);
  SetActiveWindow(cachee);  // as when the error comes from the hidden window's own messages
  ui::Application->ShowException(L"après");
  EXPECT_EQ(systeme.proprietaires, (std::vector<HWND>{cachee, cachee, principale->Handle(), principale->Handle()}));
  appli::FichePrinc = nullptr;
  ui::Application->DestroyForms();
}
