// The JSON report: the tabs in the window's order, keyed by a name for scripts.
#include "app/RapportJson.h"

#include "app/OngletsRules.h"
#include "base/TexteRules.h"
#include "assess/RapportJsonRules.h"
#include "base/Textes.h"
#include "probes/ConstatsRules.h"

namespace appli {
namespace {

struct OngletJson {
  std::string_view page, cle;
  bilan::json::Objet (*faits)(const sondes::Constats& c);
};
constexpr OngletJson kOngletsJson[] = {{"TabCPU", "cpu", bilan::FaitsProcesseur},
                                       {"TabMemoire", "memoire", bilan::FaitsMemoire},
                                       {"TabCV", "graphiques", bilan::FaitsGraphiques},
                                       {"TabOS", "os", bilan::FaitsSysteme},
                                       {"TabDX", "directx", bilan::FaitsDirectX}};

}  // namespace

std::string OctetsRapportJson(const sondes::Releve& releve, const sondes::ResultatsInspection& r) {
  const sondes::Constats constats = sondes::Constater(releve);
  const bilan::Verdicts v = bilan::Juger(r);
  bilan::json::Objet onglets;
  for (const Onglet& o : kOnglets) {
    for (const OngletJson& j : kOngletsJson) {
      if (j.page != o.page) continue;
      std::vector<bilan::json::Objet> commentaires;
      for (const LigneCommentaire& c : o.commentaires) commentaires.push_back(bilan::CommentaireJson(v.*c.verdict));
      onglets.Membre(j.cle, std::move(bilan::json::Objet()
                                          .Texte("titre", base::Utf8(base::Dire(o.legende)))
                                          .Texte("verdict", std::string(bilan::NomNiveau(v.*o.niveau)))
                                          .Liste("commentaires", std::move(commentaires))
                                          .Membre("faits", j.faits(constats))));
    }
  }
  return bilan::OctetsJson(bilan::EnteteJson(QUORVANE_VERSION).Membre("onglets", std::move(onglets)));
}

}  // namespace appli
