#include "probes/ReleveRules.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "base/TexteRules.h"
#include "base/Textes.h"
#include "probes/ReleveChampsRules.h"

namespace sondes {
namespace {

using releve::Champs;
using releve::Hex;
using releve::Texte;

constexpr uint16_t kVtBstr = 8;
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kPrefixeEntete = "Quorvane relevé ";
// CR LF, so that the Notepad of Windows before 10 1809 shows one answer a line; the reader takes LF too.
constexpr std::string_view kFinDeLigne = "\r\n";

std::string Hr(int32_t hr) { return Hex(static_cast<uint32_t>(hr), 8); }
std::string Dec(auto v) { return std::to_string(v); }
std::string Bool(bool b) { return b ? "1" : "0"; }

// One answer: its key and what names it (a leaf, a path), a colon, then its values.
void Ligne(std::string& s, std::string_view tete, std::initializer_list<std::string> champs) {
  s += tete;
  s += ':';
  for (const std::string& c : champs) s += ' ' + c;
  s += kFinDeLigne;
}

// clang-format off
enum class Cle { CpuidPresent, Cpuid, Rdtsc, Qpf, Qpc, ProcesseurSelonOS, Wow64, Memoire, Creation, Conteneur, Propriete,
                 RepertoireSysteme, VersionFichier, Mode, Caps, MultiEcran, Metriques, VersionEx, VraieVersion, Produit,
                 Wine, HoteWine, Rapport, Aucune };
constexpr std::string_view kNoms[] = {  // in the order of Cle
    "CpuidPresent", "cpuid", "Rdtsc", "QueryPerformanceFrequency", "QueryPerformanceCounter", "ProcesseurSelonOS",
    "IsWow64Process2", "GlobalMemoryStatusEx", "CoCreateInstance", "GetChildContainer", "GetProp",
    "GetSystemDirectoryA", "GetFileVersionInfo", "EnumDisplaySettingsA", "GetDeviceCaps", "MultiEcran",
    "GetSystemMetrics", "GetVersionExA", "RtlGetVersion", "GetProductInfo", "wine_get_version", "wine_get_host_version", "rapport"};
// clang-format on
static_assert(std::size(kNoms) == static_cast<size_t>(Cle::Aucune));
constexpr uint32_t Bit(Cle c) { return 1u << static_cast<int>(c); }
constexpr uint32_t kRepetees = Bit(Cle::Cpuid) | Bit(Cle::Conteneur) | Bit(Cle::Propriete) | Bit(Cle::VersionFichier) |
                               Bit(Cle::Memoire) | Bit(Cle::Rapport);

Cle Chercher(std::string_view nom) {
  const auto it = std::find(std::begin(kNoms), std::end(kNoms), nom);
  return static_cast<Cle>(it - std::begin(kNoms));
}

// The fields of one answer into the relevé, in the order EcrireReleve writes them.
bool LireChamps(Cle cle, Champs& f, Releve& r) {
  using enum Cle;
  switch (cle) {
    case CpuidPresent: return f.Tete() && f.Bool(r.cpuidPresent);
    case Cpuid: {
      FeuilleCpuid& c = r.cpuid.emplace_back();
      return f.Hex(c.feuille, 8) && f.Tete() && f.Hex(c.registres[0], 8) && f.Hex(c.registres[1], 8) &&
             f.Hex(c.registres[2], 8) && f.Hex(c.registres[3], 8);
    }
    case Rdtsc: return f.Tete() && f.Dec(r.rdtsc.emplace()[0]) && f.Dec((*r.rdtsc)[1]);
    case Qpf: return f.Tete() && f.Dec(r.qpcFrequence.emplace());
    case Qpc: return f.Tete() && f.Dec(r.qpc.emplace()[0]) && f.Dec((*r.qpc)[1]);
    case ProcesseurSelonOS:
      return f.Tete() && f.Texte(r.processeurSelonOS.emplace().first) && f.Dec(r.processeurSelonOS->second);
    case Wow64: return f.Tete() && f.Hex(r.machines.emplace()[0], 4) && f.Hex((*r.machines)[1], 4);
    case Memoire: {
      EtatMemoire& m = r.memoire.emplace_back();
      return f.Tete() && f.Bool(m.lu) && f.Dec(m.totalPhys) && f.Dec(m.availPhys) && f.Dec(m.totalVirtual) &&
             f.Dec(m.availVirtual) && f.Dec(m.totalPageFile) && f.Dec(m.availPageFile);
    }
    case Creation: return f.Tete() && f.Hr(r.creationFournisseur);
    case Conteneur: {
      ConteneurDx& c = r.conteneurs.emplace_back();
      return f.Texte(c.chemin) && f.Tete() && f.Hr(c.hr) && f.Texte(c.nom);
    }
    case Propriete: {
      ProprieteDx& p = r.proprietes.emplace_back();
      return f.Texte(p.conteneur) && f.Texte(p.nom) && f.Tete() && f.Hr(p.hr) && f.Hex(p.type, 4) &&
             (p.type == kVtBstr ? f.Texte(p.texte) : f.Dec(p.nombre));
    }
    case RepertoireSysteme: return f.Tete() && f.Texte(r.repertoireSysteme.emplace());
    case VersionFichier: {
      VersionFichierDx& v = r.fichiersDx.emplace_back();
      return f.Texte(v.fichier) && f.Tete() && f.Version(v.version);
    }
    case Mode:
      return f.Tete() && f.Bool(r.modeLu) && f.Dec(r.pelsWidth) && f.Dec(r.pelsHeight) && f.Dec(r.displayFrequency) &&
             f.Dec(r.bitsPerPel);
    case Caps: return f.Tete() && f.Dec(r.planes) && f.Dec(r.bitsPixel);
    case MultiEcran: return f.Tete() && f.Bool(r.multiEcran);
    case Metriques:
      return f.Tete() && f.Dec(r.cxScreen) && f.Dec(r.cyScreen) && f.Dec(r.cxVirtualScreen) && f.Dec(r.cyVirtualScreen);
    case VersionEx: {
      VersionSysteme& v = r.versionEx;
      return f.Tete() && f.Bool(v.lu) && f.Dec(v.majeure) && f.Dec(v.mineure) && f.Dec(v.build) &&
             f.Dec(v.plateforme) && f.Texte(v.csd);
    }
    case VraieVersion: {
      VersionSysteme& v = r.vraieVersion.emplace();
      v.lu = true;  // the line is only written for an answer
      return f.Tete() && f.Dec(v.majeure) && f.Dec(v.mineure) && f.Dec(v.build) && f.Dec(v.plateforme) &&
             f.Dec(v.typeProduit) && f.Texte(v.csd);
    }
    case Produit: return f.Tete() && f.Bool(r.produit.emplace().first) && f.Hex(r.produit->second, 8);
    case Wine: return f.Tete() && f.Texte(r.wine.emplace());
    case HoteWine: return f.Tete() && f.Texte(r.hoteWine.emplace()[0]) && f.Texte((*r.hoteWine)[1]);
    case Rapport: return f.Tete() && f.Texte(r.rapport.emplace_back());
    case Aucune: break;
  }
  return false;
}

// The next line from `debut`, without its line end; `debut` moves past it.
std::string_view Suivante(std::string_view contenu, size_t& debut) {
  const size_t fin = std::min(contenu.find('\n', debut), contenu.size());
  std::string_view ligne = contenu.substr(debut, fin - debut);
  debut = fin + 1;
  if (ligne.ends_with('\r')) ligne.remove_suffix(1);
  return ligne;
}

// The format a first line names ("Quorvane relevé 2"), 0 when it names none.
uint32_t FormatNomme(std::string_view entete) {
  uint32_t format = 0;
  if (!entete.starts_with(kPrefixeEntete) || !releve::Nombre(entete.substr(kPrefixeEntete.size()), format)) return 0;
  return format;
}

}  // namespace

std::string EcrireReleve(const Releve& r) {
  std::string s(kEnteteReleve);
  s += kFinDeLigne;
  Ligne(s, "CpuidPresent", {Bool(r.cpuidPresent)});
  for (const FeuilleCpuid& c : r.cpuid) {
    const auto& x = c.registres;
    Ligne(s, "cpuid " + Hex(c.feuille, 8), {Hex(x[0], 8), Hex(x[1], 8), Hex(x[2], 8), Hex(x[3], 8)});
  }
  if (r.rdtsc) Ligne(s, "Rdtsc", {Dec((*r.rdtsc)[0]), Dec((*r.rdtsc)[1])});
  if (r.qpcFrequence) Ligne(s, "QueryPerformanceFrequency", {Dec(*r.qpcFrequence)});
  if (r.qpc) Ligne(s, "QueryPerformanceCounter", {Dec((*r.qpc)[0]), Dec((*r.qpc)[1])});
  if (const auto& p = r.processeurSelonOS) Ligne(s, "ProcesseurSelonOS", {Texte(p->first), Dec(p->second)});
  if (r.machines) Ligne(s, "IsWow64Process2", {Hex((*r.machines)[0], 4), Hex((*r.machines)[1], 4)});
  for (const EtatMemoire& m : r.memoire)
    Ligne(s, "GlobalMemoryStatusEx",
          {Bool(m.lu), Dec(m.totalPhys), Dec(m.availPhys), Dec(m.totalVirtual), Dec(m.availVirtual),
           Dec(m.totalPageFile), Dec(m.availPageFile)});
  Ligne(s, "CoCreateInstance", {Hr(r.creationFournisseur)});
  for (const ConteneurDx& c : r.conteneurs) Ligne(s, "GetChildContainer " + Texte(c.chemin), {Hr(c.hr), Texte(c.nom)});
  for (const ProprieteDx& p : r.proprietes)
    Ligne(s, "GetProp " + Texte(p.conteneur) + ' ' + Texte(p.nom),
          {Hr(p.hr), Hex(p.type, 4), p.type == kVtBstr ? Texte(p.texte) : Dec(p.nombre)});
  if (r.repertoireSysteme) Ligne(s, "GetSystemDirectoryA", {Texte(*r.repertoireSysteme)});
  for (const VersionFichierDx& v : r.fichiersDx)
    Ligne(s, "GetFileVersionInfo " + Texte(v.fichier), {releve::Version(v.version)});
  Ligne(s, "EnumDisplaySettingsA",
        {Bool(r.modeLu), Dec(r.pelsWidth), Dec(r.pelsHeight), Dec(r.displayFrequency), Dec(r.bitsPerPel)});
  Ligne(s, "GetDeviceCaps", {Dec(r.planes), Dec(r.bitsPixel)});
  Ligne(s, "MultiEcran", {Bool(r.multiEcran)});
  Ligne(s, "GetSystemMetrics", {Dec(r.cxScreen), Dec(r.cyScreen), Dec(r.cxVirtualScreen), Dec(r.cyVirtualScreen)});
  const VersionSysteme& v = r.versionEx;
  Ligne(s, "GetVersionExA",
        {Bool(v.lu), Dec(v.majeure), Dec(v.mineure), Dec(v.build), Dec(v.plateforme), Texte(v.csd)});
  if (const auto& w = r.vraieVersion)
    Ligne(s, "RtlGetVersion",
          {Dec(w->majeure), Dec(w->mineure), Dec(w->build), Dec(w->plateforme), Dec(w->typeProduit), Texte(w->csd)});
  if (r.produit) Ligne(s, "GetProductInfo", {Bool(r.produit->first), Hex(r.produit->second, 8)});
  if (r.wine) Ligne(s, "wine_get_version", {Texte(*r.wine)});
  if (r.hoteWine) Ligne(s, "wine_get_host_version", {Texte((*r.hoteWine)[0]), Texte((*r.hoteWine)[1])});
  for (const std::string& l : r.rapport) Ligne(s, "rapport", {Texte(l)});
  return s;
}

std::variant<ReleveLu, ErreurReleve> LireReleve(std::string_view contenu) {
  using enum RefusReleve;
  const size_t taille = contenu.size();
  if (contenu.starts_with(kBom)) contenu.remove_prefix(kBom.size());
  size_t debut = 0, numero = 1;  // numero: the line just read
  // The first line before the size: a later format may be larger, and its player needs to update.
  if (const std::string_view entete = Suivante(contenu, debut); entete != kEnteteReleve) {
    const uint32_t format = FormatNomme(entete);
    if (format > kFormatReleve) return ErreurReleve{.refus = FormatUlterieur, .format = format};
    return ErreurReleve{PasUnReleve, 1};
  }
  if (taille > kTailleMaxReleve) return ErreurReleve{TropGrand};
  ReleveLu lu;
  Releve& r = lu.releve;
  uint32_t vues = 0;
  while (debut < contenu.size()) {
    const std::string_view ligne = Suivante(contenu, debut);
    ++numero;
    if (ligne.starts_with('#') || ligne.find_first_not_of(" \t") == std::string_view::npos) continue;
    const size_t finCle = std::min(ligne.find_first_of(" \t:\""), ligne.size());
    const std::string_view nom = ligne.substr(0, finCle);
    const Cle cle = Chercher(nom);
    Champs f;
    if (nom.empty() || !f.Decouper(ligne, finCle)) return ErreurReleve{MalFormee, numero};
    if (cle == Cle::Aucune) {
      lu.ignorees.push_back({numero, std::string(nom)});
      continue;
    }
    if (vues & Bit(cle) & ~kRepetees) return ErreurReleve{Repetee, numero, std::string(nom)};
    vues |= Bit(cle);
    if (!LireChamps(cle, f, r) || !f.Fin()) return ErreurReleve{MalFormee, numero};
  }
  for (const Cle c : {Cle::CpuidPresent, Cle::Rdtsc, Cle::Memoire, Cle::Creation, Cle::Mode, Cle::Caps, Cle::MultiEcran,
                      Cle::Metriques, Cle::VersionEx})
    if (!(vues & Bit(c)) && (c != Cle::Rdtsc || r.cpuidPresent))
      return ErreurReleve{Manquante, numero + 1, std::string(kNoms[static_cast<int>(c)])};
  return lu;
}

std::string MessageErreurReleve(std::string_view nomFichier, const ErreurReleve& e) {
  using base::Texte;
  const size_t barre = nomFichier.find_last_of("/\\");
  const std::string nom(barre == std::string_view::npos ? nomFichier : nomFichier.substr(barre + 1));
  const auto n = [](auto v) { return base::Large(std::to_string(v)); };
  std::wstring message;
  switch (e.refus) {
    using enum RefusReleve;
    case TropGrand: message = base::Dire(Texte::ReleveTropGrand); break;
    case PasUnReleve: message = base::Dire(Texte::RelevePasUnReleve); break;
    case FormatUlterieur: message = base::Remplir(Texte::ReleveFormatUlterieur, {n(e.format), n(kFormatReleve)}); break;
    case MalFormee: message = base::Dire(Texte::ReleveMalFormee); break;
    case Repetee: message = base::Remplir(Texte::ReleveRepetee, {base::Large(e.cle)}); break;
    case Manquante: message = base::Remplir(Texte::ReleveManquante, {base::Large(e.cle)}); break;
  }
  const std::wstring fichier = base::Large(nom);
  return base::Utf8(e.ligne != 0 ? base::Remplir(Texte::ReleveRefusLigne, {fichier, n(e.ligne), message})
                                 : base::Remplir(Texte::ReleveRefus, {fichier, message}));
}

}  // namespace sondes
