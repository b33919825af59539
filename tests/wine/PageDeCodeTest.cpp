// The provider's wide texts on the system's code page: into the findings, the labels and the report's bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Documente.h"
#include "FauxDxDiag.h"
#include "Outils.h"
#include "base/Exception.h"

namespace {

std::string Lire(const std::wstring& chemin) {
  std::ifstream f(chemin.c_str(), std::ios::binary);
  std::ostringstream octets;
  octets << f.rdbuf();
  return octets.str();
}

class PageDeCode : public FicheScriptee {
 protected:
  void SetUp() override {
    FicheScriptee::SetUp();
    fournisseur = FournisseurDeCarte(L"Carte \u00E9");
    plateforme.resultatFournisseur = S_OK;
    plateforme.fournisseur = fournisseur.Get();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    chemin = std::wstring(temp) + L"quorvane-page.txt";
  }
  void TearDown() override {
    DeleteFileW(chemin.c_str());
    FicheScriptee::TearDown();
  }

  // The card's label after the inspection, and its line in the exported file.
  void Verifier(const std::wstring& libelle, const std::string& octets) {
    fiche->Show();
    EXPECT_EQ(fiche->LblMarqueVideo->Text(), libelle);
    fiche->ExporterVers(chemin);
    EXPECT_NE(Lire(chemin).find("\r\nCARTE VIDEO      : Carte " + octets + "\r\n"), std::string::npos);
    EXPECT_TRUE(gErreurs.empty());
  }

  Microsoft::WRL::ComPtr<FauxFournisseur> fournisseur;
  std::wstring chemin;
};

TEST_F(PageDeCode, LUtf8DeWindowsDonneDeuxOctetsParLettreAccentuee) {
  ConversionDocumentee utf8(CP_UTF8);
  Verifier(L"Carte \u00E9", "\xC3\xA9");
}

// The code page that the locale gives Wine: tests/wine/CMakeLists.txt runs this once per code page below.
TEST_F(PageDeCode, LaPageDuSystemeDonneSesOctets) {
  if (const char* attendue = std::getenv("QUORVANE_PAGE")) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(attendue))) << "the locale did not reach Wine";
  }
  struct Cas {
    UINT page;
    const wchar_t* libelle;
    const char* octets;
  };
  // No look-alike where the code page lacks the letter: the default character, never "e".
  const Cas cas[] = {
      {1252, L"Carte \u00E9", "\xE9"},
      {65001, L"Carte \u00E9", "\xC3\xA9"},
      {932, L"Carte ?", "?"},
      {1251, L"Carte ?", "?"},
  };
  for (const Cas& c : cas)
    if (c.page == GetACP()) return Verifier(c.libelle, c.octets);
  FAIL() << "no expectation for code page " << GetACP();
}

TEST_F(PageDeCode, UnRapportInconvertibleNEstNiEcritNiDitEnregistre) {
  fiche->Show();
  std::ofstream(chemin.c_str(), std::ios::binary) << "l'ancien rapport";
  ConversionDocumentee conversion(GetACP());
  conversion.echec = true;
  std::wstring message;
  try {
    fiche->ExporterVers(chemin);
  } catch (const base::Exception& e) {
    message = e.Message();
  }
  EXPECT_EQ(message, L"Erreur d'écriture dans le flux");
  EXPECT_EQ(Lire(chemin), "l'ancien rapport");
  EXPECT_EQ(fiche->StatusBar->SimpleText(), L"Détection du matériel effectuée avec succès !");
}

}  // namespace
