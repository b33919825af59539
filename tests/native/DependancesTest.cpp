// The rooms depend on each other one way: app -> ui, assess, probes; assess -> probes; every room -> base,
// which depends on none of ours. A source that includes against that direction fails here, by name and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::set<std::string>> kPermis = {
    {"base", {"base"}},
    {"ui", {"ui", "base"}},
    {"probes", {"probes", "base"}},
    {"assess", {"assess", "probes", "base"}},
    {"app", {"app", "ui", "assess", "probes", "base"}},
};

// The room of `#include "room/..."`, or nothing for a system header or a file of the same folder.
std::string PieceIncluse(const std::string& ligne) {
  const auto debut = ligne.find("#include \"");
  if (debut == std::string::npos || ligne.find_first_not_of(" \t") != debut) return {};
  const auto nom = ligne.substr(debut + 10);
  const auto barre = nom.find('/');
  return barre == std::string::npos || barre > nom.find('"') ? std::string() : nom.substr(0, barre);
}

TEST(Dependances, LesPiecesNeDependentQueDansUnSens) {
  const fs::path racine = QUORVANE_SOURCES;
  size_t fichiers = 0;
  for (const auto& [piece, permises] : kPermis) {
    for (const auto& entree : fs::recursive_directory_iterator(racine / piece)) {
      const auto extension = entree.path().extension();
      if (extension != ".h" && extension != ".cpp") continue;
      ++fichiers;
      std::ifstream f(entree.path());
      int numero = 0;
      for (std::string ligne; std::getline(f, ligne);) {
        ++numero;
        const std::string incluse = PieceIncluse(ligne);
        if (!incluse.empty() && kPermis.count(incluse) && !permises.count(incluse))
          ADD_FAILURE() << fs::relative(entree.path(), racine).string() << ":" << numero << ": " << piece
                        << " may not include " << incluse << " (" << ligne << ")";
      }
    }
  }
  EXPECT_GT(fichiers, 50u) << "the sources were not found under " << racine;
}

// Functions found at run time are declared in one table (base/Tardives.h), each with its fallback: no other
// source looks one up itself.
TEST(Dependances, LesFonctionsTardivesSontDansUneTable) {
  const fs::path racine = QUORVANE_SOURCES;
  // And the runtime's import slots, which may be called before the table can be.
  const std::set<std::string> permis = {"base/Tardives.cpp", "base/DllSysteme.cpp", "base/DllSysteme.h",
                                        "base/ImportsDuRuntime.cpp"};
  for (const char* piece : {"app", "ui", "probes", "assess", "base", "tools"}) {
    for (const auto& entree : fs::recursive_directory_iterator(racine / piece)) {
      const std::string nom = fs::relative(entree.path(), racine).generic_string();
      if ((entree.path().extension() != ".h" && entree.path().extension() != ".cpp") || permis.count(nom)) continue;
      std::ifstream f(entree.path());
      int numero = 0;
      for (std::string ligne; std::getline(f, ligne);) {
        ++numero;
        for (const char* appel : {"FonctionSysteme<", "AdresseSysteme(", "GetProcAddress("})
          if (ligne.find(appel) != std::string::npos) ADD_FAILURE() << nom << ":" << numero << ": " << ligne;
      }
    }
  }
}

}  // namespace
