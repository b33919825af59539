// The JSON report against the text report, for every machine of the corpus: the same values, typed, and
// every unknown null with why, where the text shows the old program's stand-in for it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/CfgRules.h"
#include "app/RapportJson.h"
#include "probes/ExamenRules.h"
#include "probes/ReleveRules.h"

namespace {

using nlohmann::json;

std::optional<std::string> Identite(std::string_view utf8) { return std::string(utf8); }

// The value at `chemin`, null when it or an object on the way is null.
json A(const json& j, const std::string& chemin) {
  const json::json_pointer p(chemin);
  return j.contains(p) ? j.at(p) : json();
}

// A number as the text shows it, the stand-in for an unknown one given.
std::string N(const json& v, const char* inconnu = "0") {
  return v.is_null() ? inconnu : std::to_string(v.get<int64_t>());
}
std::string T(const json& v, const char* inconnu) { return v.is_null() ? inconnu : v.get<std::string>(); }

// Every object that holds a null says why.
void NulsExpliques(const json& j, const std::string& ou, const std::string& nom) {
  if (j.is_array())
    for (size_t i = 0; i < j.size(); ++i) NulsExpliques(j[i], ou + "/" + std::to_string(i), nom);
  if (!j.is_object()) return;
  bool nul = false;
  for (const auto& [cle, v] : j.items()) {
    nul |= v.is_null();
    NulsExpliques(v, ou + "/" + cle, nom);
  }
  if (nul) {
    EXPECT_TRUE(j.contains("raison") && j["raison"].is_string() && !j["raison"].empty()) << nom << ou;
  }
}

TEST(RapportJson, ChaqueValeurDuRapportTexteTypeeEtChaqueInconnuExplique) {
  const std::string o = "/onglets/", carte = o + "graphiques/faits/carte/", bureau = o + "graphiques/faits/bureau/";
  using Rendre = std::function<std::string(const json&)>;
  const std::pair<std::string, Rendre> kLignes[] = {
      {"CPU              : ", [&](const json& j) { return T(A(j, o + "cpu/faits/processeur/nom"), ""); }},
      {"VITESSE          : ", [&](const json& j) { return N(A(j, o + "cpu/faits/processeur/mhz")) + " MHz"; }},
      {"TOTAL RAM        : ", [&](const json& j) { return N(A(j, o + "memoire/faits/physique/mo"), "1") + " Mo"; }},
      {"MEMOIRE VIRTUEL  : ", [&](const json& j) { return N(A(j, o + "memoire/faits/virtuelle/mo"), "1") + " Mo"; }},
      {"MEMOIRE PAGE     : ", [&](const json& j) { return N(A(j, o + "memoire/faits/pagination/mo"), "1") + " Mo"; }},
      {"CARTE VIDEO      : ", [&](const json& j) { return T(A(j, carte + "nom"), "Inconnue"); }},
      {"MEMOIRE          : ", [&](const json& j) { return N(A(j, carte + "memoire_mb")) + " MB"; }},
      {"TAILLE           : ",
       [&](const json& j) { return N(A(j, bureau + "largeur")) + " X " + N(A(j, bureau + "hauteur")); }},
      {"TAUX RAFFRAI.    : ", [&](const json& j) { return N(A(j, bureau + "frequence_hz")) + " Hz"; }},
      {"RESOLUTION       : ", [&](const json& j) { return N(A(j, bureau + "bits")) + " Bits"; }},
      {"VERSION PILOTES  : ", [&](const json& j) { return T(A(j, carte + "pilote"), "Inconnue"); }},
      {"FAIT DU 3D       : ", [&](const json& j) { return A(j, carte + "acceleration_3d") == true ? "Oui" : "Non"; }},
      {"OS               : ", [&](const json& j) { return T(A(j, o + "os/faits/annonce/nom"), "OS inconnu"); }},
      {"AUTRE            : ", [&](const json& j) { return T(A(j, o + "os/faits/annonce/autre"), ""); }},
      {"Version DIRECTX  : ",
       [&](const json& j) {
         const json dx = A(j, o + "directx/faits/directx");
         const bool fichiers = A(j, o + "graphiques/faits/fournisseur") == false;
         if (dx.is_null()) return std::string("0.0 ");
         const std::string lettre = dx["lettre"].get<std::string>();
         return N(dx["majeur"]) + "." + N(dx["mineur"]) + (fichiers && lettre.empty() ? " " : lettre) +
                (dx["au_moins"] == true ? " et/ou +" : "");
       }},
  };
  size_t machines = 0;
  for (const auto& entree : std::filesystem::directory_iterator(QUORVANE_RELEVES)) {
    if (entree.path().extension() != ".txt") continue;
    ++machines;
    const std::string nom = entree.path().filename().string();
    std::ifstream f(entree.path(), std::ios::binary);
    std::ostringstream contenu;
    contenu << f.rdbuf();
    const auto lu = sondes::LireReleve(contenu.str());
    ASSERT_TRUE(std::holds_alternative<sondes::ReleveLu>(lu)) << nom;
    const sondes::Releve& releve = std::get<sondes::ReleveLu>(lu).releve;
    const sondes::Constats constats = sondes::Constater(releve);
    const sondes::ResultatsInspection r = sondes::Afficher(constats, Identite);
    const json j = json::parse(appli::OctetsRapportJson(constats, r));
    NulsExpliques(j, "", nom);
    for (const std::string& ligne : appli::RapportOctets(r))
      for (const auto& [titre, rendre] : kLignes)
        if (ligne.starts_with(titre)) {
          EXPECT_EQ(ligne.substr(titre.size()), rendre(j)) << nom << ": " << titre;
        }
  }
  EXPECT_GE(machines, 40u);
}

}  // namespace
