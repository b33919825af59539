// The report from the findings, and the relevé's file, outside the window.
#include "app/Rapport.h"

#include "assess/Enregistrement.h"
#include "assess/Lecture.h"
#include "assess/ReportRules.h"
#include "base/Exception.h"
#include "base/Texte.h"
#include "base/Textes.h"
#include "probes/ReleveChampsRules.h"
#include "probes/ReleveRules.h"

namespace appli {

std::wstring TexteValeur(const LigneValeur& valeur, const sondes::ResultatsInspection& r) {
  auto texte = base::DepuisAnsi(TexteValeurOctets(valeur, r));
  if (!texte) throw base::Exception(base::Dire(base::Texte::ErreurConversion));
  return *texte;
}

namespace {

// The report's lines as the memo holds them: its own empty line, then the lines of the labels' texts.
std::vector<std::wstring> Lignes(const sondes::ResultatsInspection& r) {
  std::vector<std::wstring> legendes;
  for (const LigneValeur* v : Valeurs()) legendes.push_back(TexteValeur(*v, r));
  std::vector<std::wstring> lignes{L""};
  for (std::wstring& ligne : LignesDuRapport(legendes)) lignes.push_back(std::move(ligne));
  return lignes;
}

}  // namespace

std::wstring TexteRapport(const sondes::ResultatsInspection& r) { return bilan::TexteLignes(Lignes(r)); }

std::string OctetsRapport(const std::wstring& texte) {
  auto octets = base::VersAnsi(texte);
  if (!octets) throw bilan::ErreurEcriture();
  return *octets;
}

std::string OctetsReleve(sondes::Releve releve, const sondes::ResultatsInspection& r) {
  releve.rapport.clear();
  for (const std::wstring& ligne : Lignes(r)) releve.rapport.push_back(base::VersUtf8(ligne));
  return sondes::EcrireReleve(releve);
}

std::wstring NomSansDossier(const std::wstring& chemin) {
  const size_t barre = chemin.find_last_of(L"\\/:");
  return barre == std::wstring::npos ? chemin : chemin.substr(barre + 1);
}

std::variant<sondes::ReleveLu, std::wstring> LireFichierReleve(const std::wstring& chemin) {
  std::string contenu;
  try {
    contenu = bilan::LireFichier(chemin, sondes::kTailleMaxReleve);
  } catch (const base::Exception& e) {
    return e.Message();
  }
  const auto illisible = [&](const sondes::ErreurReleve& e) {
    const std::string nom = base::VersUtf8(NomSansDossier(chemin));
    return base::Remplir(base::Texte::ReleveIllisible, {base::DepuisUtf8(sondes::MessageErreurReleve(nom, e))});
  };
  auto lu = sondes::LireReleve(contenu);
  if (auto* erreur = std::get_if<sondes::ErreurReleve>(&lu)) return illisible(*erreur);
  return std::get<sondes::ReleveLu>(std::move(lu));
}

std::wstring NoteReponseIgnoree(const std::wstring& chemin, const sondes::LigneIgnoree& ligne) {
  return base::Remplir(base::Texte::ReleveReponseIgnoree,
                       {NomSansDossier(chemin), base::DepuisUtf8(std::to_string(ligne.ligne)),
                        base::DepuisUtf8(sondes::releve::Echapper(ligne.cle))});
}

}  // namespace appli
