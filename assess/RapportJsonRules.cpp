#include "assess/RapportJsonRules.h"

#include <algorithm>

#include "base/TexteRules.h"
#include "probes/MemoryRules.h"

namespace bilan {
namespace {

using json::Objet;
using sondes::Fait;

// The window's numbers are signed 32-bit: a larger count shows as the largest.
Fait<uint32_t> Affiche(const Fait<uint32_t>& f) {
  return f.valeur ? Fait<uint32_t>::Connu(std::min<uint32_t>(*f.valeur, 0x7FFFFFFF)) : f;
}

// A quantity of memory: the megabytes the window shows (one more than the whole ones), and the bytes.
Objet Memoire(const Fait<uint64_t>& octets) {
  const Fait<uint32_t> mo = octets.valeur ? Fait<uint32_t>::Connu(static_cast<uint32_t>(sondes::EnMo(*octets.valeur)))
                                          : Fait<uint32_t>::Inconnu(octets.raison);
  return std::move(Objet().Fait("mo", mo).Fait("octets", octets));
}

Objet Carte(const sondes::CarteVideo& c) {
  return std::move(Objet()
                       .Fait("nom", c.nom)
                       .Fait("memoire_mb", Affiche(c.memoireMB))
                       .Fait("acceleration_3d", c.acceleration3D)
                       .Fait("pilote", c.pilote));
}

Objet Version(const sondes::VersionWindows& v) {
  return std::move(Objet()
                       .Nombre("majeure", v.majeure)
                       .Nombre("mineure", v.mineure)
                       .Nombre("build", v.build)
                       .Nombre("plateforme", v.plateforme));
}

}  // namespace

Objet FaitsProcesseur(const sondes::Constats& c) {
  const sondes::ConstatsProcesseur& p = c.processeur;
  return std::move(Objet().Membre(
      "processeur",
      std::move(Objet().Fait("nom", p.nom).Fait("mhz", Affiche(p.mhz)).Booleen("selon_windows", p.selonOS))));
}

Objet FaitsMemoire(const sondes::Constats& c) {
  return std::move(Objet()
                       .Membre("physique", Memoire(c.memoire.physique))
                       .Membre("virtuelle", Memoire(c.memoire.virtuelle))
                       .Membre("pagination", Memoire(c.memoire.pagination)));
}

Objet FaitsGraphiques(const sondes::Constats& c) {
  const sondes::ConstatsVideo& v = c.video;
  Objet o;
  o.Booleen("fournisseur", v.fournisseur);
  if (v.cartes.empty())
    o.Nul("carte", v.raisonSansCarte);
  else
    o.Membre("carte", Carte(v.cartes.front()));
  std::vector<Objet> cartes;
  for (const sondes::CarteVideo& carte : v.cartes) cartes.push_back(Carte(carte));
  o.Liste("cartes", std::move(cartes));
  o.Membre("bureau", std::move(Objet()
                                   .Fait("largeur", v.largeur)
                                   .Fait("hauteur", v.hauteur)
                                   .Fait("bits", v.bitsCouleur)
                                   .Fait("frequence_hz", v.frequence)));
  return o;
}

Objet FaitsSysteme(const sondes::Constats& c) {
  const sondes::ConstatsSysteme& s = c.systeme;
  Objet o;
  if (s.annoncee.valeur)
    o.Membre("annonce",
             std::move(Version(*s.annoncee.valeur).Fait("nom", s.nom).Texte("autre", s.annoncee.valeur->csd)));
  else
    o.Nul("annonce", s.annoncee.raison);
  if (s.vraie.valeur)
    o.Membre("reel", std::move(Version(*s.vraie.valeur)
                                   .Nombre("type_produit", s.vraie.valeur->typeProduit)
                                   .Fait("edition", s.edition)
                                   .Fait("nom", s.nomReel)));
  else
    o.Nul("reel", s.vraie.raison);
  if (s.wine.valeur)
    o.Membre("wine", std::move(Objet().Texte("version", *s.wine.valeur).Fait("hote", s.hoteWine)));
  else
    o.Nul("wine", s.wine.raison);
  return o;
}

Objet FaitsDirectX(const sondes::Constats& c) {
  Objet o;
  if (!c.directx.valeur) return std::move(o.Nul("directx", c.directx.raison));
  const sondes::VersionDirectX& d = *c.directx.valeur;
  return std::move(o.Membre("directx", std::move(Objet()
                                                     .Nombre("majeur", d.majeur)
                                                     .Nombre("mineur", d.mineur)
                                                     .Texte("lettre", d.lettre)
                                                     .Booleen("au_moins", d.auMoins))));
}

std::string_view NomNiveau(NiveauVerdict niveau) {
  constexpr std::string_view kNoms[] = {"vert", "jaune", "rouge"};
  return kNoms[niveau];
}

json::Objet CommentaireJson(const Commentaire& commentaire) {
  std::wstring texte;
  for (const wchar_t* c = commentaire.legende; *c; ++c) {
    texte += *c;
    if (c[0] == L'&' && c[1] == L'&') ++c;
  }
  return std::move(
      Objet().Texte("texte", base::Utf8(texte)).Texte("verdict", std::string(NomNiveau(commentaire.niveau))));
}

json::Objet EnteteJson(std::string_view versionProgramme) {
  return std::move(
      Objet()
          .Texte("format", std::string(kFormatJson))
          .Nombre("version", kVersionJson)
          .Membre("programme",
                  std::move(Objet().Texte("nom", "Quorvane").Texte("version", std::string(versionProgramme)))));
}

std::string OctetsJson(const json::Objet& rapport) { return rapport.Ecrire() + "\n"; }

}  // namespace bilan
