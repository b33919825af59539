#include "probes/ReleveRules.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "probes/ReleveChampsRules.h"

namespace sondes {
namespace {

using releve::Champs;
using releve::Hex;
using releve::Texte;

constexpr uint16_t kVtBstr = 8;
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kMalFormee = "ligne mal formée";
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

std::variant<Releve, ErreurReleve> LireReleve(std::string_view contenu) {
  if (contenu.size() > kTailleMaxReleve) return ErreurReleve{0, "le fichier dépasse 1 Mo"};
  if (contenu.starts_with(kBom)) contenu.remove_prefix(kBom.size());
  Releve r;
  uint32_t vues = 0;
  size_t numero = 0;  // the lines before this one
  for (size_t debut = 0; debut < contenu.size() || numero == 0; ++numero) {
    const size_t fin = std::min(contenu.find('\n', debut), contenu.size());
    std::string_view ligne = contenu.substr(debut, fin - debut);
    debut = fin + 1;
    if (ligne.ends_with('\r')) ligne.remove_suffix(1);
    if (numero == 0) {
      if (ligne != kEnteteReleve) return ErreurReleve{1, "ce n'est pas un relevé de Quorvane de la version 1"};
      continue;
    }
    if (ligne.starts_with('#') || ligne.find_first_not_of(" \t") == std::string_view::npos) continue;
    const size_t finCle = std::min(ligne.find_first_of(" \t:\""), ligne.size());
    const std::string_view nom = ligne.substr(0, finCle);
    const Cle cle = Chercher(nom);
    // The name as the writer would quote it, so that the message stays UTF-8 and short.
    if (cle == Cle::Aucune)
      return ErreurReleve{numero + 1, nom.empty() ? std::string(kMalFormee)
                                                  : "réponse inconnue : " + releve::Echapper(nom.substr(0, 40))};
    if (vues & Bit(cle) & ~kRepetees) return ErreurReleve{numero + 1, "réponse répétée : " + std::string(nom)};
    vues |= Bit(cle);
    Champs f;
    if (!f.Decouper(ligne, finCle) || !LireChamps(cle, f, r) || !f.Fin())
      return ErreurReleve{numero + 1, std::string(kMalFormee)};
  }
  using enum Cle;
  for (const Cle c : {CpuidPresent, Rdtsc, Memoire, Creation, Mode, Caps, MultiEcran, Metriques, VersionEx})
    if (!(vues & Bit(c)) && (c != Rdtsc || r.cpuidPresent))
      return ErreurReleve{numero + 1, "il manque la réponse " + std::string(kNoms[static_cast<int>(c)])};
  return r;
}

std::string MessageErreurReleve(std::string_view nomFichier, const ErreurReleve& erreur) {
  const size_t barre = nomFichier.find_last_of("/\\");
  std::string s(barre == std::string_view::npos ? nomFichier : nomFichier.substr(barre + 1));
  if (erreur.ligne != 0) s += ", ligne " + std::to_string(erreur.ligne);
  return s + " : " + erreur.message + '.';
}

}  // namespace sondes
