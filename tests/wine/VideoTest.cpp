// The video probe on a scripted platform and a scripted diagnostic provider: the provider path, every way
// the provider can answer badly, the fallback on file versions, and the display mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FauxDxDiag.h"
#include "PlateformeScriptee.h"
#include "probes/Sondes.h"

namespace {

using Microsoft::WRL::ComPtr;

struct Video : testing::Test {
  void SetUp() override { Construire(); }

  // A provider as a real one answers: one display device and the system information.
  void Construire() {
    fournisseur.Attach(new FauxFournisseur);
    fournisseur->racine.Attach(new FauxConteneur);
    ecrans = fournisseur->racine->Ajouter(L"DxDiag_DisplayDevices");
    ecran = ecrans->Ajouter(L"0");
    ecran->Texte(L"szDescription", L"Scripted GPU");
    ecran->Texte(L"szDisplayMemoryEnglish", L"8072 MB");
    ecran->Booleen(L"b3DAccelerationExists", VARIANT_TRUE);
    ecran->Texte(L"szDriverVersion", L"31.0.15.1659");
    systeme = fournisseur->racine->Ajouter(L"DxDiag_SystemInfo");
    systeme->Entier(L"dwDirectXVersionMajor", 9);
    systeme->Entier(L"dwDirectXVersionMinor", 0);
    systeme->Texte(L"szDirectXVersionLetter", L"c");
    plateforme.resultatFournisseur = S_OK;
    plateforme.fournisseur = fournisseur.Get();
    r = {};
    r.MarqueVideo = r.VerDrv = "Inconnue";  // as the inspection run sets them before the probes
  }

  void Lire() {
    sondes::TSysInfo sysInfo(plateforme);
    plateforme.journal.clear();
    gReferencesNettes = 0;
    EXPECT_EQ(sondes::LireCarteVideo(r, sysInfo, plateforme, ReleveJetable()), 0);
    EXPECT_EQ(gReferencesNettes, 0) << "every interface and the value holder are released";
  }

  PlateformeScriptee plateforme;
  ComPtr<FauxFournisseur> fournisseur;
  FauxConteneur *ecrans = nullptr, *ecran = nullptr, *systeme = nullptr;
  sondes::ResultatsInspection r;
};

TEST_F(Video, LeFournisseurDonneLaCarteDirectXEtLeModeAffiche) {
  plateforme.frequence = 75;
  plateforme.metriques[SM_CXVIRTUALSCREEN] = 2048;  // two monitors side by side
  plateforme.metriques[SM_CXSCREEN] = 1024;
  Lire();
  EXPECT_EQ(r.MarqueVideo, "Scripted GPU");
  EXPECT_EQ(r.MemoireVideo, 8072);
  EXPECT_EQ(r.Is3D, 1);
  EXPECT_EQ(r.VerDrv, "31.0.15.1659");
  EXPECT_EQ(r.DxMajeur, 9u);
  EXPECT_EQ(r.DxMineur, 0u);
  EXPECT_EQ(r.DxLettre, "c");
  EXPECT_EQ(r.DxVersion, "9.0c");
  EXPECT_EQ(r.EchecVideo, 0);
  EXPECT_TRUE(plateforme.boites.empty());
  EXPECT_EQ(r.BitsCouleur, 32);
  EXPECT_EQ(r.RefreshRate, 75u);
  EXPECT_EQ(r.LargeurEcran, 2048) << "the whole virtual screen";
  EXPECT_EQ(r.HauteurEcran, 768);

  EXPECT_EQ(fournisseur->initialisations, 1);
  EXPECT_EQ(fournisseur->recu.dwSize, sizeof(DXDIAG_INIT_PARAMS));
  EXPECT_EQ(fournisseur->recu.dwDxDiagHeaderVersion, 111u);
  EXPECT_EQ(fournisseur->recu.bAllowWHQLChecks, TRUE);
  EXPECT_EQ(fournisseur->recu.pReserved, nullptr);
  EXPECT_EQ(fournisseur->racinesDonnees, 2);
  using V = std::vector<std::wstring>;
  EXPECT_EQ(fournisseur->racine->demandes, (V{L"DxDiag_DisplayDevices", L"DxDiag_SystemInfo"}));
  EXPECT_EQ(ecrans->demandes, V{L"0"});
  EXPECT_EQ(ecran->demandes,
            (V{L"szDescription", L"szDisplayMemoryEnglish", L"b3DAccelerationExists", L"szDriverVersion"}));
  EXPECT_EQ(systeme->demandes, (V{L"dwDirectXVersionMajor", L"dwDirectXVersionMinor", L"szDirectXVersionLetter"}));
  const std::vector<std::string> appels = {"CoInitialize",
                                           "CreerFournisseurDxDiag",
                                           "EnumDisplaySettingsA",
                                           "CreateDCA",
                                           "GetDeviceCaps",
                                           "GetDeviceCaps",
                                           "DeleteDC",
                                           "MultiEcran",
                                           "GetSystemMetrics",
                                           "GetSystemMetrics"};
  EXPECT_EQ(plateforme.journal, appels);

  plateforme.multiEcran = false;  // a user library without several monitors: the primary screen
  Construire();
  plateforme.metriques[SM_CXVIRTUALSCREEN] = 2048;
  Lire();
  EXPECT_EQ(r.LargeurEcran, 1024);

  // A thread without DPI awareness on a 1920 x 1080 screen at 125 %: Windows gives it the metrics in
  // logical pixels, and the display mode in the screen's own.
  plateforme.multiEcran = true;
  Construire();
  plateforme.metriques[SM_CXSCREEN] = plateforme.metriques[SM_CXVIRTUALSCREEN] = 1536;
  plateforme.metriques[SM_CYSCREEN] = plateforme.metriques[SM_CYVIRTUALSCREEN] = 864;
  plateforme.largeurMode = 1920;
  plateforme.hauteurMode = 1080;
  Lire();
  EXPECT_EQ(r.LargeurEcran, 1920);
  EXPECT_EQ(r.HauteurEcran, 1080);
}

struct Attendu {
  const char* marque;
  int32_t memoire;
  uint8_t is3D;
  const char* verDrv;
  uint32_t majeur, mineur;
  const char* lettre;
  const char* version;
};
const Attendu kComplet{"Scripted GPU", 8072, 1, "31.0.15.1659", 9, 0, "c", "9.0c"};
const Attendu kSansCarte{"Inconnue", 0, 0, "Inconnue", 9, 0, "c", "9.0c"};
const Attendu kSansDirectX{"Scripted GPU", 8072, 1, "31.0.15.1659", 0, 0, " ", "0.0 "};
const Attendu kRien{"Inconnue", 0, 0, "Inconnue", 0, 0, " ", "0.0 "};

VARIANT Variante(VARTYPE type) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = type;
  return v;
}

TEST_F(Video, UneReponseMalFormeeLaisseLesValeursParDefaut) {
  ComPtr<FauxInconnu> objet;
  objet.Attach(new FauxInconnu);
  struct Cas {
    const char* quoi;
    std::function<void(Video&)> abimer;
    Attendu attendu;
  };
  const Cas cas[] = {
      {"no display devices container", [](Video& t) { t.fournisseur->racine->Retirer(L"DxDiag_DisplayDevices"); },
       kSansCarte},
      {"child names cannot be listed", [](Video& t) { t.ecrans->resultatNoms = E_FAIL; }, kSansCarte},
      {"no display device", [](Video& t) { t.ecrans->Retirer(L"0"); }, kSansCarte},
      {"a name that fills the buffer, unterminated", [](Video& t) { t.ecrans->nomForce.assign(300, L'x'); },
       kSansCarte},
      {"a name without a container", [](Video& t) { t.ecrans->nomForce = L"7"; }, kSansCarte},
      {"a null text is an empty one",
       [](Video& t) { t.ecran->Texte(L"szDescription", nullptr); },
       {"", 8072, 1, "31.0.15.1659", 9, 0, "c", "9.0c"}},
      {"no device properties",
       [](Video& t) {
         for (auto* n : {L"szDescription", L"szDisplayMemoryEnglish", L"b3DAccelerationExists", L"szDriverVersion"})
           t.ecran->Retirer(n);
       },
       kSansCarte},
      {"a silent property does not take the previous text",
       [](Video& t) {
         t.ecran->Retirer(L"b3DAccelerationExists");  // the holder still has the memory text
         t.ecran->muette = L"szDriverVersion";
       },
       {"Scripted GPU", 8072, 0, "Inconnue", 9, 0, "c", "9.0c"}},
      {"texts and flag of other types",
       [](Video& t) {
         t.ecran->Entier(L"szDescription", 0x12345678);  // would be a pointer if read as a text
         VARIANT reel = Variante(VT_R8);
         V_R8(&reel) = 64.0;
         t.ecran->Autre(L"szDisplayMemoryEnglish", reel);
         VARIANT court = Variante(VT_I2);
         V_I2(&court) = -1;
         t.ecran->Autre(L"b3DAccelerationExists", court);
         t.ecran->Autre(L"szDriverVersion", Variante(VT_NULL));
       },
       kSansCarte},
      {"the 3D flag as a text",
       [](Video& t) { t.ecran->Texte(L"b3DAccelerationExists", L"true"); },
       {"Scripted GPU", 8072, 0, "31.0.15.1659", 9, 0, "c", "9.0c"}},
      {"any nonzero boolean is true, and Wine's memory text",
       [](Video& t) {
         t.ecran->Booleen(L"b3DAccelerationExists", 1);
         t.ecran->Texte(L"szDisplayMemoryEnglish", L"4289.7 MB");
       },
       {"Scripted GPU", 4289, 1, "31.0.15.1659", 9, 0, "c", "9.0c"}},
      {"a false boolean",
       [](Video& t) { t.ecran->Booleen(L"b3DAccelerationExists", VARIANT_FALSE); },
       {"Scripted GPU", 8072, 0, "31.0.15.1659", 9, 0, "c", "9.0c"}},
      {"no system information", [](Video& t) { t.fournisseur->racine->Retirer(L"DxDiag_SystemInfo"); }, kSansDirectX},
      {"version numbers and letter of other types",
       [&objet](Video& t) {
         VARIANT signe = Variante(VT_I4);
         V_I4(&signe) = 9;
         t.systeme->Autre(L"dwDirectXVersionMajor", signe);
         t.systeme->Texte(L"dwDirectXVersionMinor", L"0");
         VARIANT inconnu = Variante(VT_UNKNOWN);
         V_UNKNOWN(&inconnu) = objet.Get();  // copied with AddRef: the probe must release its copy
         t.systeme->Autre(L"szDirectXVersionLetter", inconnu);
       },
       kSansDirectX},
      {"an empty letter",
       [](Video& t) { t.systeme->Texte(L"szDirectXVersionLetter", L""); },
       {"Scripted GPU", 8072, 1, "31.0.15.1659", 9, 0, "", "9.0"}},
      {"a later DirectX",
       [](Video& t) {
         t.systeme->Entier(L"dwDirectXVersionMajor", 12);
         t.systeme->Entier(L"dwDirectXVersionMinor", 1);
       },
       {"Scripted GPU", 8072, 1, "31.0.15.1659", 12, 1, "c", "12.1c"}},
      {"no root container", [](Video& t) { t.fournisseur->racine.Reset(); }, kRien},
      {"nothing wrong", [](Video&) {}, kComplet},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    Construire();
    c.abimer(*this);
    Lire();
    EXPECT_EQ(r.MarqueVideo, c.attendu.marque);
    EXPECT_EQ(r.MemoireVideo, c.attendu.memoire);
    EXPECT_EQ(r.Is3D, c.attendu.is3D);
    EXPECT_EQ(r.VerDrv, c.attendu.verDrv);
    EXPECT_EQ(r.DxMajeur, c.attendu.majeur);
    EXPECT_EQ(r.DxMineur, c.attendu.mineur);
    EXPECT_EQ(r.DxLettre, c.attendu.lettre);
    EXPECT_EQ(r.DxVersion, c.attendu.version);
    EXPECT_EQ(r.EchecVideo, 0);
    EXPECT_TRUE(plateforme.boites.empty());
    EXPECT_EQ(r.RefreshRate, 60u) << "the display steps still run";
  }
  // Only the unterminated name's first 255 characters are asked for.
  Construire();
  ecrans->nomForce.assign(300, L'x');
  Lire();
  EXPECT_EQ(ecrans->demandes, std::vector<std::wstring>{std::wstring(255, L'x')});
}

}  // namespace
