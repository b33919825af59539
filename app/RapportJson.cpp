// The JSON report: the tabs in the window's order, each keyed by its name for scripts (OngletsRules.cpp).
#include "app/RapportJson.h"

#include "app/OngletsRules.h"
#include "assess/RapportJsonRules.h"
#include "base/TexteRules.h"
#include "base/Textes.h"

namespace appli {

std::string OctetsRapportJson(const sondes::Constats& constats, const sondes::ResultatsInspection& r) {
  const bilan::Verdicts v = bilan::Juger(r);
  bilan::json::Objet onglets;
  for (const Onglet& o : kOnglets) {
    std::vector<bilan::json::Objet> commentaires;
    for (const LigneCommentaire& c : o.commentaires) commentaires.push_back(bilan::CommentaireJson(v.*c.verdict));
    onglets.Membre(o.cleJson, std::move(bilan::json::Objet()
                                            .Texte("titre", base::Utf8(base::Dire(o.legende)))
                                            .Texte("verdict", std::string(bilan::NomNiveau(v.*o.niveau)))
                                            .Liste("commentaires", std::move(commentaires))
                                            .Membre("faits", o.faits(constats))));
  }
  return bilan::OctetsJson(bilan::EnteteJson(QUORVANE_VERSION).Membre("onglets", std::move(onglets)));
}

}  // namespace appli
