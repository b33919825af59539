#include <gtest/gtest.h>

#include "app/CfgRules.h"

namespace {

TEST(CalculerPosition, BureauxLimites) {
  struct Cas {
    int32_t largeur, hauteur;
    int32_t top, left;
  };
  const Cas cas[] = {
      {799, 600, 1, 1},    {799, 5000, 1, 1},   {0, 0, 1, 1},  // narrower than 800: the corner
      {800, 600, 28, 116}, {1024, 768, 84, 228}, {1280, 1024, 169, 356},
      {800, 510, -1, 116},  // lower than the client: truncated toward zero
      {800, 513, 0, 116},  {800, 512, -1, 116}, {800, 500, -5, 116},
      {3840, 1080, 188, 1636},  // two monitors side by side: the whole virtual screen
  };
  for (const Cas& c : cas) {
    const Position p = CalculerPosition(c.largeur, c.hauteur, 568, 515);
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

TEST(TextesValeurs, UnitesEtOrdre) {
  const auto t = TextesValeurs(Exemple());
  const char* attendus[kNbValeurs] = {
      "  Intel(R) Pentium(R) 4 CPU 2.40GHz", "2400 MHz", "512 Mo", "2048 Mo", "1247 Mo", "RADEON 9600 S\xE9rie",
      "1280 X 1024", "32 Bits", "128 MB", "60 Hz", "6.14.10.6444", "Oui", "Windows XP", "Service Pack 2", "9.0c"};
  for (int i = 0; i < kNbValeurs; ++i) EXPECT_EQ(t[static_cast<size_t>(i)], attendus[i]) << kNomsValeurs[i];
}

TEST(TextesValeurs, SignesEtNonSignes) {
  struct Cas {
    const char* quoi;
    void (*regler)(sondes::ResultatsInspection&);
    Valeur label;
    const char* texte;
  };
  const Cas cas[] = {
      {"negative memory", [](auto& r) { r.TotalRAM = -1024; }, Valeur::LblTotalRAM, "-1024 Mo"},
      {"lowest memory", [](auto& r) { r.TotalPage = INT32_MIN; }, Valeur::LblPage, "-2147483648 Mo"},
      {"refresh top bit", [](auto& r) { r.RefreshRate = 0x80000000u; }, Valeur::LblRefreshRate, "2147483648 Hz"},
      {"refresh all bits", [](auto& r) { r.RefreshRate = 0xFFFFFFFFu; }, Valeur::LblRefreshRate, "4294967295 Hz"},
      {"negative speed", [](auto& r) { r.Vitesse = -5; }, Valeur::LblVitesse, "-5 MHz"},
      {"negative desktop", [](auto& r) { r.LargeurEcran = -1; }, Valeur::LblHW, "-1 X 1024"},
      {"no 3D", [](auto& r) { r.Is3D = 0; }, Valeur::LblIs3D, "Non"},
      {"flag other than 1", [](auto& r) { r.Is3D = 2; }, Valeur::LblIs3D, "Non"},
      {"empty service pack", [](auto& r) { r.AutreInfo.clear(); }, Valeur::LblAutreInfo, ""},
  };
  for (const Cas& c : cas) {
    auto r = Exemple();
    c.regler(r);
    EXPECT_EQ(TextesValeurs(r)[static_cast<size_t>(c.label)], c.texte) << c.quoi;
  }
}

}  // namespace
