// Real machines as data, the format-1 reference: each relevé of tests/native/releves is decoded as the
// program decodes this machine's answers, and must give the bytes of the expectation files beside it
// (NN-name.rapport: the text export's; NN-name.json: the JSON report's, verdicts included). With QUORVANE_REECRIRE=1
// the expectation files are written instead, after a deliberate change: read every changed line against the rules
// before committing it. The relevés themselves are never written: every relevé a version wrote must stay readable by
// the later ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/CfgRules.h"
#include "app/RapportJson.h"
#include "assess/ReportRules.h"
#include "probes/ExamenRules.h"
#include "probes/ReleveRules.h"

namespace {

namespace fs = std::filesystem;

// The native build's single-byte code page is UTF-8, as Windows's is under "Beta: UTF-8" (65001).
std::optional<std::string> Identite(std::string_view utf8) { return std::string(utf8); }

// The text export's bytes in a UTF-8 code page: the report's lines, each followed by CR LF.
std::string TexteDuRapport(const sondes::Releve& releve) {
  return bilan::TexteLignes(appli::RapportOctets(sondes::Decoder(releve, Identite)));
}

// The expectation files beside each relevé: their extension, and the bytes this version gives for it.
struct Attente {
  std::string_view extension;
  std::string (*octets)(const sondes::Releve&);
};
// The JSON report's bytes.
std::string JsonDuRapport(const sondes::Releve& releve) {
  const sondes::Constats constats = sondes::Constater(releve);
  return appli::OctetsRapportJson(constats, sondes::Afficher(constats, Identite));
}

constexpr Attente kAttentes[] = {{".rapport", TexteDuRapport}, {".json", JsonDuRapport}};

std::string Lire(const fs::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream contenu;
  contenu << f.rdbuf();
  return contenu.str();
}

// The relevés, in the order of their names.
std::vector<fs::path> Releves() {
  std::vector<fs::path> chemins;
  for (const auto& entree : fs::directory_iterator(QUORVANE_RELEVES))
    if (entree.path().extension() == ".txt") chemins.push_back(entree.path());
  std::ranges::sort(chemins);
  EXPECT_GE(chemins.size(), 42u) << QUORVANE_RELEVES;
  return chemins;
}

std::optional<sondes::ReleveLu> Relu(const std::string& nom, const std::string& contenu) {
  auto lu = sondes::LireReleve(contenu);
  if (const auto* erreur = std::get_if<sondes::ErreurReleve>(&lu)) {
    ADD_FAILURE() << sondes::MessageErreurReleve(nom, *erreur);
    return std::nullopt;
  }
  return std::get<sondes::ReleveLu>(std::move(lu));
}

TEST(Corpus, ChaqueReleveRedonneLeRapportDeSaMachine) {
  const bool reecrire = std::getenv("QUORVANE_REECRIRE") != nullptr;
  for (const fs::path& chemin : Releves()) {
    const std::string nom = chemin.filename().string();
    const auto lu = Relu(nom, Lire(chemin));
    if (!lu) continue;
    EXPECT_TRUE(lu->ignorees.empty()) << nom << ": every answer of the reference is known";
    for (const Attente& a : kAttentes) {
      const fs::path attente = fs::path(chemin).replace_extension(a.extension);
      const std::string octets = a.octets(lu->releve);
      if (reecrire) {
        std::ofstream(attente, std::ios::binary) << octets;
      } else if (!fs::exists(attente)) {
        ADD_FAILURE() << attente.filename() << " is missing: QUORVANE_REECRIRE=1 writes it";
      } else {
        EXPECT_EQ(octets, Lire(attente)) << attente.filename();
      }
    }
  }
}

// The file without its report lines.
std::string SansRapport(const std::string& contenu) {
  std::istringstream entree(contenu);
  std::string sortie;
  for (std::string ligne; std::getline(entree, ligne);)
    if (!ligne.starts_with("rapport:")) sortie += ligne + '\n';
  return sortie;
}

std::string UneLigneDePlus(const std::string& contenu) { return contenu + "rapport: \"une ligne de plus\"\n"; }

// The report lines are the writer's record, never an expectation: none, or one more, change nothing.
TEST(Corpus, LesLignesDeRapportNeChangentRien) {
  std::string (*const variantes[])(const std::string&) = {SansRapport, UneLigneDePlus};
  for (const fs::path& chemin : Releves()) {
    const std::string nom = chemin.filename().string(), contenu = Lire(chemin);
    const auto original = Relu(nom, contenu);
    for (size_t v = 0; original && v < std::size(variantes); ++v) {
      const auto lu = Relu(nom, variantes[v](contenu));
      for (size_t k = 0; lu && k < std::size(kAttentes); ++k)
        EXPECT_EQ(kAttentes[k].octets(lu->releve), kAttentes[k].octets(original->releve)) << nom << ", variant " << v;
    }
  }
}

}  // namespace
