#include <gtest/gtest.h>

#include <algorithm>

#include "app/CfgRules.h"
#include "base/TexteRules.h"
#include "assess/ReportRules.h"

namespace {

TEST(CalculerPosition, BureauxLimites) {
  struct Cas {
    int32_t largeur, hauteur;
    int32_t top, left;
  };
  const Cas cas[] = {
      {799, 600, 1, 1},        {799, 5000, 1, 1},    {0, 0, 1, 1},  // narrower than 800: the corner
      {800, 600, 28, 116},     {1024, 768, 84, 228}, {1280, 1024, 169, 356},
      {800, 510, -1, 116},  // lower than the client: truncated toward zero
      {800, 513, 0, 116},      {800, 512, -1, 116},  {800, 500, -5, 116},
      {3840, 1080, 188, 1636},  // two monitors side by side: the whole virtual screen
  };
  for (const Cas& c : cas) {
    const appli::Position p = appli::CalculerPosition(c.largeur, c.hauteur, 568, 515);
    EXPECT_EQ(p.top, c.top) << c.largeur << "x" << c.hauteur;
    EXPECT_EQ(p.left, c.left) << c.largeur << "x" << c.hauteur;
  }
}

sondes::ResultatsInspection Exemple() {
  sondes::ResultatsInspection r;
  r.NomCPU = "  Intel(R) Pentium(R) 4 CPU 2.40GHz";
  r.Vitesse = 2400;
  r.TotalRAM = 512;
  r.TotalVirtuel = 2048;
  r.TotalPage = 1247;
  r.MarqueVideo = "RADEON 9600 S\xE9rie";  // a Windows-1252 byte stays one byte
  r.LargeurEcran = 1280;
  r.HauteurEcran = 1024;
  r.BitsCouleur = 32;
  r.MemoireVideo = 128;
  r.RefreshRate = 60;
  r.VerDrv = "6.14.10.6444";
  r.Is3D = 1;
  r.VerOS = "Windows XP";
  r.AutreInfo = "Service Pack 2";
  r.DxVersion = "9.0c";
  return r;
}

// The file the export writes: the memo's own empty line, then the report's lines, each ended by CR LF.
std::string Fichier(const sondes::ResultatsInspection& r) {
  std::vector<bilan::EntreeRapport<std::string>> entrees;
  for (const appli::LigneValeur* v : appli::Valeurs())
    entrees.push_back({base::Utf8(base::Dire(v->titre)), v->texte(r), v->separateurApres});
  std::vector<std::string> lignes{""};
  for (auto& l : bilan::LignesRapport<std::string>(entrees)) lignes.push_back(l);
  return bilan::TexteLignes(lignes);
}

TEST(Valeurs, LeFichierEntier) {
  const std::string etoiles(51, '*');
  EXPECT_EQ(Fichier(Exemple()),
            "\r\n"
            "CPU              :   Intel(R) Pentium(R) 4 CPU 2.40GHz\r\n"
            "VITESSE          : 2400 MHz\r\n" +
                etoiles +
                "\r\n"
                "TOTAL RAM        : 512 Mo\r\n"
                "MEMOIRE VIRTUEL  : 2048 Mo\r\n"
                "MEMOIRE PAGE     : 1247 Mo\r\n" +
                etoiles +
                "\r\n"
                "CARTE VIDEO      : RADEON 9600 S\xE9rie\r\n"
                "MEMOIRE          : 128 MB\r\n"
                "TAILLE           : 1280 X 1024\r\n"
                "TAUX RAFFRAI.    : 60 Hz\r\n"
                "RESOLUTION       : 32 Bits\r\n"
                "VERSION PILOTES  : 6.14.10.6444\r\n"
                "FAIT DU 3D       : Oui\r\n" +
                etoiles +
                "\r\n"
                "OS               : Windows XP\r\n"
                "AUTRE            : Service Pack 2\r\n" +
                etoiles +
                "\r\n"
                "Version DIRECTX  : 9.0c\r\n");
}

TEST(Valeurs, TitresDeDixNeufCaracteres) {
  for (const appli::LigneValeur* v : appli::Valeurs()) {
    const std::string titre = base::Utf8(base::Dire(v->titre));
    EXPECT_EQ(titre.size(), 19u) << v->label;
    EXPECT_TRUE(titre.ends_with(": ")) << v->label;
  }
}

TEST(Valeurs, SignesEtNonSignes) {
  struct Cas {
    const char* quoi;
    void (*regler)(sondes::ResultatsInspection&);
    const char* label;
    const char* texte;
  };
  const Cas cas[] = {
      {"negative memory", [](auto& r) { r.TotalRAM = -1024; }, "LblTotalRAM", "-1024 Mo"},
      {"lowest memory", [](auto& r) { r.TotalPage = INT32_MIN; }, "LblPage", "-2147483648 Mo"},
      {"refresh top bit", [](auto& r) { r.RefreshRate = 0x80000000u; }, "LblRefreshRate", "2147483648 Hz"},
      {"refresh all bits", [](auto& r) { r.RefreshRate = 0xFFFFFFFFu; }, "LblRefreshRate", "4294967295 Hz"},
      {"negative speed", [](auto& r) { r.Vitesse = -5; }, "LblVitesse", "-5 MHz"},
      {"negative desktop", [](auto& r) { r.LargeurEcran = -1; }, "LblHW", "-1 X 1024"},
      {"no 3D", [](auto& r) { r.Is3D = 0; }, "LblIs3D", "Non"},
      {"flag other than 1", [](auto& r) { r.Is3D = 2; }, "LblIs3D", "Non"},
      {"empty service pack", [](auto& r) { r.AutreInfo.clear(); }, "LblAutreInfo", ""},
  };
  const auto valeurs = appli::Valeurs();
  for (const Cas& c : cas) {
    auto r = Exemple();
    c.regler(r);
    const auto v = std::find_if(valeurs.begin(), valeurs.end(),
                                [&](const appli::LigneValeur* l) { return std::string_view(l->label) == c.label; });
    ASSERT_NE(v, valeurs.end()) << c.label;
    EXPECT_EQ((*v)->texte(r), c.texte) << c.quoi;
  }
}

TEST(Valeurs, LaTailleDuFichier) {
  // 2 bytes for the empty first line, 21 per titled line before its caption, 53 per separator.
  sondes::ResultatsInspection vides;
  vides.Is3D = 1;
  size_t legendes = 0;
  for (const appli::LigneValeur* v : appli::Valeurs()) legendes += v->texte(vides).size();
  EXPECT_EQ(Fichier(vides).size(), 529 + legendes);
  EXPECT_EQ(appli::Valeurs().size(), 15u);
}

}  // namespace
