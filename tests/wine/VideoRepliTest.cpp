// Without the diagnostic provider: the DirectX version from file versions, the warning, the display mode;
// the file-version reads and the colour depth on a scripted platform.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlateformeScriptee.h"
#include "app/Cfg.h"
#include "probes/DxFiles.h"
#include "probes/DxFilesRules.h"
#include "probes/Sondes.h"
#include "base/Exception.h"

namespace {

const std::string kSysteme = "C:\\windows\\system32\\";

struct Repli : testing::Test {
  sondes::ResultatsInspection Lire() {
    sondes::ResultatsInspection r;
    r.MarqueVideo = r.VerDrv = "Inconnue";
    sondes::TSysInfo sysInfo(plateforme);
    plateforme.journal.clear();
    EXPECT_EQ(sondes::LireCarteVideo(r, sysInfo, plateforme, ReleveJetable()), 0);
    return r;
  }
  auto Nombre(const char* appel) const {
    return std::count(plateforme.journal.begin(), plateforme.journal.end(), appel);
  }
  size_t Position(const char* appel) const {
    return static_cast<size_t>(std::find(plateforme.journal.begin(), plateforme.journal.end(), appel) -
                               plateforme.journal.begin());
  }

  PlateformeScriptee plateforme;
};

TEST_F(Repli, LAvertissementPrecedeLAffichageEtLaVersionVientDesFichiers) {
  struct Cas {
    std::map<std::string, std::string> fichiers;
    uint32_t majeur, mineur;
    const char* lettre;
    const char* version;
  };
  const Cas cas[] = {
      {{{"d3d8.dll", "5.1.2600.901"}, {"ddraw.dll", "5.1.2258.400"}}, 8, 1, "a", "8.1a et/ou +"},
      {{{"d3d9.dll", "6.0.6000.0"}, {"mpg2splt.ax", "6.3.1.885"}}, 9, 0, " ", "9.0  et/ou +"},
      {{{"ddraw.dll", "4.6.0.436"}}, 6, 1, " ", "6.1  et/ou +"},
      {{}, 0, 0, " ", "0.0 "},
  };
  for (const Cas& c : cas) {
    plateforme.versionsFichiers.clear();
    for (const auto& [nom, version] : c.fichiers) plateforme.versionsFichiers[kSysteme + nom] = version;
    plateforme.boites.clear();
    const auto r = Lire();
    ASSERT_EQ(plateforme.boites.size(), 1u);
    EXPECT_EQ(plateforme.boites[0].texte, "Impossible de lire les infos de votre carte graphique.");
    EXPECT_EQ(plateforme.boites[0].legende, "Attention !");
    EXPECT_EQ(plateforme.boites[0].options, 48u);
    EXPECT_EQ(r.EchecVideo, 1);
    EXPECT_EQ(r.DxMajeur, c.majeur);
    EXPECT_EQ(r.DxMineur, c.mineur);
    EXPECT_EQ(r.DxLettre, c.lettre);
    EXPECT_EQ(r.DxVersion, c.version);
    EXPECT_EQ(r.MarqueVideo, "Inconnue");
    EXPECT_EQ(r.VerDrv, "Inconnue");
    EXPECT_EQ(r.MemoireVideo, 0);
    EXPECT_EQ(r.Is3D, 0);
    EXPECT_EQ(r.BitsCouleur, 32);
    EXPECT_EQ(r.RefreshRate, 60u);
    EXPECT_EQ(r.LargeurEcran, 1024);
    EXPECT_EQ(r.HauteurEcran, 768);
    // Eleven reads, then the box, then the display.
    EXPECT_EQ(Nombre("GetFileVersionInfoSizeA"), 11);
    EXPECT_LT(Position("GetSystemDirectoryA"), Position("MessageBoxA"));
    EXPECT_LT(Position("MessageBoxA"), Position("EnumDisplaySettingsA"));
  }
}

TEST_F(Repli, UnFournisseurCreeSansInterfaceEstUnEchec) {
  plateforme.resultatFournisseur = S_OK;
  plateforme.fournisseur = nullptr;
  const auto r = Lire();
  EXPECT_EQ(r.EchecVideo, 1);
  EXPECT_EQ(plateforme.boites.size(), 1u);
}

TEST_F(Repli, SansRepertoireSystemeRienNEstLu) {
  plateforme.repertoireSysteme.clear();
  plateforme.versionsFichiers["\\d3d9.dll"] = "9.0.0.0";  // what an empty directory would lead to
  const auto r = Lire();
  EXPECT_EQ(Nombre("GetFileVersionInfoSizeA"), 0);
  EXPECT_EQ(r.DxVersion, "0.0 ");
  EXPECT_EQ(r.DxLettre, " ");
}

// A platform that fills the whole buffer, unterminated, when the directory does not fit.
struct RepertoireLong : PlateformeScriptee {
  std::vector<std::string> chemins;
  UINT GetSystemDirectoryA(char* tampon, UINT capacite) override {
    PlateformeScriptee::GetSystemDirectoryA(tampon, capacite);
    const size_t n = std::min<size_t>(repertoireSysteme.size(), capacite);
    std::copy_n(repertoireSysteme.begin(), n, tampon);
    return static_cast<UINT>(repertoireSysteme.size());
  }
  DWORD GetFileVersionInfoSizeA(const char* chemin) override {
    chemins.emplace_back(chemin);
    return PlateformeScriptee::GetFileVersionInfoSizeA(chemin);
  }
};

TEST(VersionDxParFichiers, UnRepertoireTropLongEstCoupeA259Caracteres) {
  for (size_t longueur : {259u, 300u}) {
    RepertoireLong plateforme;
    plateforme.repertoireSysteme = "C:\\" + std::string(longueur - 3, 'd');
    const std::string coupe = plateforme.repertoireSysteme.substr(0, 259);
    plateforme.versionsFichiers[coupe + "\\mpg2splt.ax"] = "6.3.1.885";
    uint32_t majeur = 0, mineur = 0;
    char lettre = 0;
    EXPECT_EQ(sondes::VersionDxParFichiers(plateforme, &majeur, &mineur, &lettre), 0);
    EXPECT_EQ(majeur, 8u) << longueur;
    EXPECT_EQ(lettre, 'b') << longueur;
    ASSERT_EQ(plateforme.chemins.size(), 11u);
    EXPECT_EQ(plateforme.chemins.front(), coupe + "\\ddraw.dll");
    EXPECT_EQ(plateforme.chemins.back(), coupe + "\\d3d9.dll");
  }
}

// Version-resource reads that fail at each step.
struct VersionsRatees : PlateformeScriptee {
  DWORD taille = sizeof(VS_FIXEDFILEINFO);
  bool lectureRatee = false, requeteRatee = false, sansEnregistrement = false;
  UINT longueur = sizeof(VS_FIXEDFILEINFO);
  DWORD GetFileVersionInfoSizeA(const char* chemin) override {
    return PlateformeScriptee::GetFileVersionInfoSizeA(chemin) ? taille : 0;
  }
  BOOL GetFileVersionInfoA(const char* chemin, DWORD t, void* donnees) override {
    return !lectureRatee && PlateformeScriptee::GetFileVersionInfoA(chemin, t, donnees);
  }
  BOOL VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* l) override {
    if (requeteRatee || !PlateformeScriptee::VerQueryValueA(bloc, sousBloc, valeur, l)) return FALSE;
    if (sansEnregistrement) *valeur = nullptr;
    *l = longueur;
    return TRUE;
  }
};

TEST(LireVersionFichier, ResultatsSelonLEtapeQuiEchoue) {
  const char* const chemin = "C:\\windows\\system32\\ddraw.dll";
  struct Cas {
    const char* quoi;
    void (*regler)(VersionsRatees&);
    HRESULT attendu;
  };
  const Cas cas[] = {
      {"read", [](VersionsRatees&) {}, S_OK},
      {"no resource", [](VersionsRatees& p) { p.taille = 0; }, E_FAIL},
      {"the resource cannot be read", [](VersionsRatees& p) { p.lectureRatee = true; }, E_FAIL},
      {"no root block", [](VersionsRatees& p) { p.requeteRatee = true; }, E_FAIL},
      {"no record", [](VersionsRatees& p) { p.sansEnregistrement = true; }, E_FAIL},
      {"a record too short", [](VersionsRatees& p) { p.longueur = 8; }, E_FAIL},
  };
  for (const Cas& c : cas) {
    VersionsRatees plateforme;
    plateforme.versionsFichiers[chemin] = "4.2.0.95";
    c.regler(plateforme);
    uint64_t version = 77;
    EXPECT_EQ(sondes::LireVersionFichier(plateforme, chemin, &version), c.attendu) << c.quoi;
    EXPECT_EQ(version, c.attendu == S_OK ? sondes::FaireVersion(4, 2, 0, 95) : 77u) << c.quoi;
  }
  PlateformeScriptee plateforme;
  uint64_t version = 0;
  EXPECT_EQ(sondes::LireVersionFichier(plateforme, nullptr, &version), E_INVALIDARG);
  EXPECT_EQ(sondes::LireVersionFichier(plateforme, chemin, nullptr), E_INVALIDARG);
  EXPECT_TRUE(plateforme.journal.empty());
}

// The device context's two counts reach the rule (whose cases are the native table's), and the context goes on
// every way out.
TEST(GetColorDepth, LeContexteEstToujoursDetruit) {
  PlateformeScriptee plateforme;
  plateforme.plans = 4;
  plateforme.bitsParPixel = 1;
  sondes::TSysInfo sysInfo(plateforme);
  plateforme.journal.clear();
  EXPECT_EQ(sysInfo.GetColorDepth(), 4);
  EXPECT_EQ(plateforme.journal, (std::vector<std::string>{"CreateDCA", "GetDeviceCaps", "GetDeviceCaps", "DeleteDC"}));
  plateforme.lancerA = "GetDeviceCaps";
  EXPECT_THROW(sysInfo.GetColorDepth(), base::Exception);
  EXPECT_EQ(plateforme.journal.back(), "DeleteDC");
}

}  // namespace
