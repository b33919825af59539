// File versions read from real PE files that the build makes with chosen version resources.
#include <gtest/gtest.h>

#include "probes/DxFiles.h"
#include "probes/DxFilesRules.h"
#include "probes/PlateformeWindows.h"

namespace {

const std::string kDossier = QUORVANE_VERSIONS;  // the build's folder of test files, as Wine names it

TEST(LireVersionFichier, VersionsDeVraisFichiers) {
  struct Cas {
    const char* fichier;
    HRESULT resultat;
    uint64_t version;
  };
  const Cas cas[] = {
      {"v4_2_0_95.dll", S_OK, sondes::FaireVersion(4, 2, 0, 95)},
      {"v5_1_2600_901.dll", S_OK, sondes::FaireVersion(5, 1, 2600, 901)},
      {"v0_0_0_0.dll", S_OK, 0},
      {"vmax.dll", S_OK, ~uint64_t{0}},  // every part 65535: no sign, no lost bit
      {"sans_version.dll", E_FAIL, 7},
      {"absent.dll", E_FAIL, 7},
  };
  sondes::PlateformeWindows plateforme(nullptr);
  for (const Cas& c : cas) {
    uint64_t version = 7;
    const std::string chemin = kDossier + "\\" + c.fichier;
    EXPECT_EQ(sondes::LireVersionFichier(plateforme, chemin.c_str(), &version), c.resultat) << c.fichier;
    EXPECT_EQ(version, c.version) << c.fichier;
  }
  uint64_t version = 7;
  EXPECT_EQ(sondes::LireVersionFichier(plateforme, nullptr, &version), E_INVALIDARG);
  EXPECT_EQ(sondes::LireVersionFichier(plateforme, (kDossier + "\\v4_2_0_95.dll").c_str(), nullptr), E_INVALIDARG);
}

// The real platform, except that its system directory is the build's folder of DirectX look-alikes.
struct SystemeDeTest : sondes::PlateformeWindows {
  SystemeDeTest() : sondes::PlateformeWindows(nullptr) {}
  UINT GetSystemDirectoryA(char* tampon, UINT capacite) override {
    const std::string dossier = kDossier + "\\systeme";
    if (dossier.size() >= capacite) return static_cast<UINT>(dossier.size() + 1);
    dossier.copy(tampon, dossier.size());
    tampon[dossier.size()] = '\0';
    return static_cast<UINT>(dossier.size());
  }
};

TEST(VersionDxParFichiers, SurDeVraisFichiers) {
  // ddraw 4.8.0.400 gives 8.0, d3d8 5.1.2600.901 then 8.1a; mpg2splt 6.3.1.884 falls short of 8.1b.
  SystemeDeTest plateforme;
  uint32_t majeur = 0, mineur = 0;
  char lettre = 0;
  EXPECT_EQ(sondes::VersionDxParFichiers(plateforme, &majeur, &mineur, &lettre), 0);
  EXPECT_EQ(majeur, 8u);
  EXPECT_EQ(mineur, 1u);
  EXPECT_EQ(lettre, 'a');
}

}  // namespace
