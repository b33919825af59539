#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "assess/ReportRules.h"

namespace {

using Legendes = std::array<std::string, kNbValeurs>;

// The captions of the value labels, by Valeur, as the inspection run writes them.
Legendes Exemple() {
  return {"Intel(R) Pentium(R) 4 CPU 2.40GHz", "2400 MHz", "512 Mo", "2048 Mo", "1247 Mo", "RADEON 9600",
          "1280 X 1024", "32 Bits", "128 MB", "60 Hz", "6.14.10.6444", "Oui", "Windows XP", "Service Pack 2",
          "9.0c"};
}

// The file: the memo's own empty line, then the report, every line ended by CR LF.
std::string Fichier(const Legendes& legendes) {
  std::vector<std::string> lignes{""};
  for (auto& l : rapport::LignesRapport(legendes)) lignes.push_back(l);
  return rapport::TexteLignes(lignes);
}

size_t Somme(const Legendes& legendes) {
  return std::accumulate(legendes.begin(), legendes.end(), size_t{0},
                         [](size_t n, const std::string& s) { return n + s.size(); });
}

TEST(Rapport, LeFichierEntier) {
  const std::string etoiles(51, '*');
  const std::string attendu =
      "\r\n"
      "CPU              : Intel(R) Pentium(R) 4 CPU 2.40GHz\r\n"
      "VITESSE          : 2400 MHz\r\n" + etoiles + "\r\n"
      "TOTAL RAM        : 512 Mo\r\n"
      "MEMOIRE VIRTUEL  : 2048 Mo\r\n"
      "MEMOIRE PAGE     : 1247 Mo\r\n" + etoiles + "\r\n"
      "CARTE VIDEO      : RADEON 9600\r\n"
      "MEMOIRE          : 128 MB\r\n"
      "TAILLE           : 1280 X 1024\r\n"
      "TAUX RAFFRAI.    : 60 Hz\r\n"
      "RESOLUTION       : 32 Bits\r\n"
      "VERSION PILOTES  : 6.14.10.6444\r\n"
      "FAIT DU 3D       : Oui\r\n" + etoiles + "\r\n"
      "OS               : Windows XP\r\n"
      "AUTRE            : Service Pack 2\r\n" + etoiles + "\r\n"
      "Version DIRECTX  : 9.0c\r\n";
  EXPECT_EQ(Fichier(Exemple()), attendu);
}

TEST(Rapport, TitresDeDixNeufCaracteres) {
  struct Titre {
    const char* mots;
    size_t blancs;  // after the words, before ':'
  };
  const Titre titres[] = {{"CPU", 14},         {"VITESSE", 10},        {"TOTAL RAM", 8},   {"MEMOIRE VIRTUEL", 2},
                          {"MEMOIRE PAGE", 5}, {"CARTE VIDEO", 6},     {"MEMOIRE", 10},    {"TAILLE", 11},
                          {"TAUX RAFFRAI.", 4}, {"RESOLUTION", 7},     {"VERSION PILOTES", 2}, {"FAIT DU 3D", 7},
                          {"OS", 15},          {"AUTRE", 12},          {"Version DIRECTX", 2}};
  ASSERT_EQ(std::size(titres), std::size(rapport::kLignes));
  for (size_t i = 0; i < std::size(titres); ++i) {
    const std::string titre = rapport::kLignes[i].titre;
    EXPECT_EQ(titre.size(), 19u) << titre;
    EXPECT_EQ(titre, std::string(titres[i].mots) + std::string(titres[i].blancs, ' ') + ": ");
  }
}

TEST(Rapport, TailleEtLegendesParticulieres) {
  struct Cas {
    const char* quoi;
    Valeur label;
    std::string legende;
    std::string ligne;  // as it must stand in the file, CR LF included
  };
  const Cas cas[] = {
      {"empty service pack", Valeur::LblAutreInfo, "", "\r\nAUTRE            : \r\n"},
      {"empty processor name", Valeur::LblCPU, "", "\r\nCPU              : \r\n"},
      {"accented card name", Valeur::LblMarqueVideo, "RADEON 9600 S\xE9rie",
       "CARTE VIDEO      : RADEON 9600 S\xE9rie\r\n"},
      {"caption with blanks around", Valeur::LblCPU, "  Intel  ", "CPU              :   Intel  \r\n"},
      {"a 10-digit refresh rate", Valeur::LblRefreshRate, "4294967295 Hz", "TAUX RAFFRAI.    : 4294967295 Hz\r\n"},
      {"ampersands stay as they are", Valeur::LblVerDrv, "A&&B", "VERSION PILOTES  : A&&B\r\n"},
  };
  for (const Cas& c : cas) {
    Legendes legendes = Exemple();
    legendes[static_cast<size_t>(c.label)] = c.legende;
    const std::string fichier = Fichier(legendes);
    EXPECT_EQ(fichier.size(), 529 + Somme(legendes)) << c.quoi;
    EXPECT_NE(fichier.find(c.ligne), std::string::npos) << c.quoi;
  }
  // Every caption empty: the titles, the separators and the line ends alone.
  EXPECT_EQ(Fichier(Legendes{}).size(), 529u);
}

TEST(Rapport, AucunVerdictDansLeFichier) {
  const std::string fichier = Fichier(Exemple());
  for (const char* verdict : {"fonctionner", "Danger", "T&&L", "Directx est", "Impossible", "Note:"})
    EXPECT_EQ(fichier.find(verdict), std::string::npos) << verdict;
}

TEST(Rapport, LeTexteLargeSuitLeMemeModele) {
  // The window builds the wide text of the memo with the same template.
  std::array<std::wstring, kNbValeurs> larges;
  const Legendes etroites = Exemple();
  for (size_t i = 0; i < larges.size(); ++i) larges[i] = std::wstring(etroites[i].begin(), etroites[i].end());
  const auto lignes = rapport::LignesRapport(larges);
  const auto attendues = rapport::LignesRapport(etroites);
  ASSERT_EQ(lignes.size(), 19u);
  for (size_t i = 0; i < lignes.size(); ++i)
    EXPECT_EQ(lignes[i], std::wstring(attendues[i].begin(), attendues[i].end())) << i;
  EXPECT_EQ(rapport::TexteLignes(std::vector<std::wstring>{L"a", L""}), L"a\r\n\r\n");
}

}  // namespace
