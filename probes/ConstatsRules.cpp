#include "probes/ConstatsRules.h"

#include <algorithm>

#include "probes/CpuRules.h"
#include "probes/MemoryRules.h"
#include "probes/OsRules.h"

namespace sondes {
namespace {

const FeuilleCpuid* Feuille(const Releve& releve, uint32_t numero) {
  for (const FeuilleCpuid& f : releve.cpuid)
    if (f.feuille == numero) return &f;
  return nullptr;
}

// The bytes of CPUID's brand are ASCII; any other byte is taken as Latin-1, so that the name stays UTF-8.
std::string DepuisLatin1(const std::string& octets) {
  std::string utf8;
  for (const char c : octets) {
    const auto o = static_cast<uint8_t>(c);
    if (o < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | o >> 6);
      utf8 += static_cast<char>(0x80 | (o & 0x3F));
    }
  }
  return utf8;
}

std::string RaisonPause(PauseRatee pause) {
  switch (pause) {
    case PauseRatee::CyclesEnArriere: return "Rdtsc en arrière";
    case PauseRatee::CompteurEnArriere: return "QueryPerformanceCounter en arrière";
    case PauseRatee::CompteurArrete: return "QueryPerformanceCounter immobile";
    case PauseRatee::Non: break;
  }
  return {};
}

VersionWindows Version(const VersionSysteme& v) {
  return {v.majeure, v.mineure, v.build, v.plateforme, v.csd, v.typeProduit};
}

}  // namespace

ConstatsMemoire ConstaterMemoire(const Releve& releve) {
  // One query per quantity, as the system-information component reads each afresh; a relevé with fewer
  // queries gives its last one to the quantities after it.
  const auto octets = [&](size_t i, uint64_t EtatMemoire::*champ) {
    if (releve.memoire.empty()) return Fait<uint64_t>::Inconnu("GlobalMemoryStatusEx absent");
    const EtatMemoire& e = releve.memoire[std::min(i, releve.memoire.size() - 1)];
    return e.lu ? Fait<uint64_t>::Connu(e.*champ) : Fait<uint64_t>::Inconnu("GlobalMemoryStatusEx 0");
  };
  return {octets(0, &EtatMemoire::totalPhys), octets(1, &EtatMemoire::totalVirtual),
          octets(2, &EtatMemoire::totalPageFile)};
}

ConstatsProcesseur ConstaterProcesseur(const Releve& releve) {
  ConstatsProcesseur p;
  // Under x64 emulation on ARM64, CPUID and the counter are the emulator's: the OS knows the processor.
  const bool emule = releve.machines && (*releve.machines)[1] == kMachineArm64 && releve.processeurSelonOS;
  p.selonOS = emule;
  if (!releve.cpuidPresent || emule) {
    const std::string raison = "pas de CPUID, ProcesseurSelonOS absent";
    if (!releve.processeurSelonOS) return {Fait<std::string>::Inconnu(raison), Fait<uint32_t>::Inconnu(raison)};
    p.nom = Fait<std::string>::Connu(releve.processeurSelonOS->first);
    p.nomDeWindows = true;
    p.mhz = Fait<uint32_t>::Connu(releve.processeurSelonOS->second);
    return p;
  }
  const FeuilleCpuid* zero = Feuille(releve, 0);
  const OctetsFournisseur fournisseur =
      zero ? OctetsDuFournisseur(zero->registres[1], zero->registres[3], zero->registres[2]) : OctetsFournisseur{};
  const FeuilleCpuid* etendues = Feuille(releve, 0x80000000u);
  OctetsMarque marque{};
  for (uint32_t i = 0; i < 3; ++i)
    if (const FeuilleCpuid* f = Feuille(releve, 0x80000002u + i))
      RangerFeuilleMarque(marque, static_cast<int>(i), f->registres.data());
  p.nom = Fait<std::string>::Connu(DepuisLatin1(NomProcesseur(
      etendues ? etendues->registres[0] : 0, marque, TexteJusquAuZero(fournisseur.data(), fournisseur.size()))));
  if (!releve.rdtsc) return p.mhz = Fait<uint32_t>::Inconnu("Rdtsc absent"), p;
  // An unusable pause gives no speed rather than a small number.
  p.pause = JugerPause(*releve.rdtsc, releve.qpc);
  if (p.pause != PauseRatee::Non) return p.mhz = Fait<uint32_t>::Inconnu(RaisonPause(p.pause)), p;
  const uint64_t ticks = (*releve.rdtsc)[1] - (*releve.rdtsc)[0];
  const uint64_t compteur =
      releve.qpc ? static_cast<uint64_t>((*releve.qpc)[1]) - static_cast<uint64_t>((*releve.qpc)[0]) : 0;
  const uint32_t mhz = VitesseMHz(ticks, compteur, releve.qpcFrequence.value_or(0));
  p.mhz = mhz ? Fait<uint32_t>::Connu(mhz) : Fait<uint32_t>::Inconnu("Rdtsc immobile");
  return p;
}

ConstatsSysteme ConstaterSysteme(const Releve& releve) {
  ConstatsSysteme s;
  const VersionSysteme& v = releve.versionEx;
  s.annoncee = v.lu ? Fait<VersionWindows>::Connu(Version(v)) : Fait<VersionWindows>::Inconnu("GetVersionExA 0");
  const NomOS nom = ChoisirOS(v.plateforme, v.majeure, v.mineure);
  s.code = nom.code;
  s.nom = nom.code != 0 ? Fait<std::string>::Connu(nom.nom)
                        : Fait<std::string>::Inconnu("GetVersionExA " + std::to_string(v.majeure) + '.' +
                                                     std::to_string(v.mineure) + " plateforme " +
                                                     std::to_string(v.plateforme) + " : pas un système du jeu");
  // The system as it is: RtlGetVersion's answer, else (Windows 9x has no such call) what it told.
  const VersionSysteme* vraie = releve.vraieVersion ? &*releve.vraieVersion : v.lu ? &v : nullptr;
  s.vraie = vraie ? Fait<VersionWindows>::Connu(Version(*vraie))
                  : Fait<VersionWindows>::Inconnu("RtlGetVersion absent, GetVersionExA 0");
  s.edition = !releve.produit         ? Fait<uint32_t>::Inconnu("GetProductInfo absent")
              : releve.produit->first ? Fait<uint32_t>::Connu(releve.produit->second)
                                      : Fait<uint32_t>::Inconnu("GetProductInfo 0");
  if (vraie) {
    const VersionWindows& w = *s.vraie.valeur;
    s.nomReel = Fait<std::string>::Connu(
        NomSysteme(w.plateforme, w.majeure, w.mineure, w.build, w.typeProduit, s.edition.Ou(0)));
  } else {
    s.nomReel = Fait<std::string>::Inconnu(s.vraie.raison);
  }
  s.wine = releve.wine ? Fait<std::string>::Connu(*releve.wine) : Fait<std::string>::Inconnu("wine_get_version absent");
  s.hoteWine = releve.hoteWine ? Fait<std::string>::Connu((*releve.hoteWine)[0])
                               : Fait<std::string>::Inconnu("wine_get_host_version absent");
  return s;
}

Constats Constater(const Releve& releve) {
  Constats c;
  c.memoire = ConstaterMemoire(releve);
  c.video = ConstaterVideo(releve, &c.directx);
  c.processeur = ConstaterProcesseur(releve);
  c.systeme = ConstaterSysteme(releve);
  return c;
}

}  // namespace sondes
