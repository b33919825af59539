// Real machines as data: each relevé of tests/native/releves is decoded as the program decodes this
// machine's answers, and must give the report that machine gave, line by line. With QUORVANE_REECRIRE=1 the
// expectations are written back into the files instead, after a deliberate change: read every changed
// line against the rules before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/CfgRules.h"
#include "probes/ExamenRules.h"
#include "probes/ReleveChampsRules.h"
#include "probes/ReleveRules.h"

namespace {

namespace fs = std::filesystem;

// The native build's single-byte code page is UTF-8, as Windows's is under "Beta: UTF-8" (65001).
std::optional<std::string> Identite(std::string_view utf8) { return std::string(utf8); }

std::string Lire(const fs::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream contenu;
  contenu << f.rdbuf();
  return contenu.str();
}

// The file with its report lines replaced by `lignes`, where the first report line stood, each line
// ending as the file's own lines do.
std::string Reecrit(const std::string& contenu, const std::vector<std::string>& lignes) {
  std::istringstream entree(contenu);
  std::string sortie;
  bool ecrit = false;
  for (std::string ligne; std::getline(entree, ligne);) {
    if (ligne.rfind("rapport:", 0) != 0) {
      sortie += ligne + "\n";
    } else if (!ecrit) {
      const std::string fin = ligne.ends_with('\r') ? "\r\n" : "\n";  // getline keeps the CR of a CR LF
      for (const std::string& l : lignes) sortie += "rapport: " + sondes::releve::Texte(l) + fin;
      ecrit = true;
    }
  }
  return sortie;
}

TEST(Corpus, ChaqueReleveRedonneLeRapportDeSaMachine) {
  const bool reecrire = std::getenv("QUORVANE_REECRIRE") != nullptr;
  size_t machines = 0;
  for (const auto& entree : fs::directory_iterator(QUORVANE_RELEVES)) {
    if (entree.path().extension() != ".txt") continue;
    ++machines;
    const std::string nom = entree.path().filename().string(), contenu = Lire(entree.path());
    const auto lu = sondes::LireReleve(contenu);
    if (const auto* erreur = std::get_if<sondes::ErreurReleve>(&lu)) {
      ADD_FAILURE() << sondes::MessageErreurReleve(nom, *erreur);
      continue;
    }
    const sondes::Releve& releve = std::get<sondes::ReleveLu>(lu).releve;
    const std::vector<std::string> rapport = appli::RapportOctets(sondes::Decoder(releve, Identite));
    if (reecrire) {
      std::ofstream(entree.path(), std::ios::binary) << Reecrit(contenu, rapport);
      continue;
    }
    ASSERT_EQ(rapport.size(), releve.rapport.size()) << nom;
    for (size_t i = 0; i < rapport.size(); ++i) EXPECT_EQ(rapport[i], releve.rapport[i]) << nom << ", line " << i + 1;
  }
  EXPECT_GE(machines, 40u) << QUORVANE_RELEVES;
}

}  // namespace
