#include "probes/ExamenRules.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "probes/CpuRules.h"
#include "probes/DxFilesRules.h"
#include "probes/MemoryRules.h"
#include "probes/OsRules.h"
#include "probes/VideoRules.h"

namespace sondes {
namespace {

// VARTYPEs of the provider's properties.
constexpr uint16_t kVtBstr = 8, kVtBool = 11, kVtUi4 = 19;

const FeuilleCpuid* Feuille(const Releve& releve, uint32_t numero) {
  for (const FeuilleCpuid& f : releve.cpuid)
    if (f.feuille == numero) return &f;
  return nullptr;
}

// A property is taken only when it was read and came with the type its name announces.
const ProprieteDx* Propriete(const Releve& releve, const std::string& conteneur, const char* nom, uint16_t type) {
  for (const ProprieteDx& p : releve.proprietes)
    if (p.conteneur == conteneur && p.nom == nom) return p.hr >= 0 && p.type == type ? &p : nullptr;
  return nullptr;
}

std::optional<std::string> Texte(const Releve& releve, const std::string& conteneur, const char* nom,
                                 VersMonoOctet convertir) {
  const ProprieteDx* p = Propriete(releve, conteneur, nom, kVtBstr);
  return p ? convertir(p->texte) : std::nullopt;  // a text the code page cannot take counts as not given
}

// The first display device: the container named by child number 0 of the display devices.
std::string PremierEcran(const Releve& releve) {
  for (const ConteneurDx& c : releve.conteneurs)
    if (c.chemin == "DxDiag_DisplayDevices#0" && c.hr >= 0 && !c.nom.empty()) return "DxDiag_DisplayDevices/" + c.nom;
  return {};
}

// MulDiv's rounding: to the nearest, halves away from zero; -1 when the result does not fit.
int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t produit = int64_t{a} * b;
  const int64_t reste = produit % c, quotient = produit / c;
  const int64_t arrondi = 2 * (reste < 0 ? -reste : reste) >= (c < 0 ? -int64_t{c} : c)
                              ? quotient + ((produit < 0) != (c < 0) ? -1 : 1)
                              : quotient;
  return arrondi > std::numeric_limits<int32_t>::max() || arrondi < std::numeric_limits<int32_t>::min()
             ? -1
             : static_cast<int32_t>(arrondi);
}

void DecoderFournisseur(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  const std::string ecran = PremierEcran(releve);
  if (!ecran.empty()) {
    if (auto t = Texte(releve, ecran, "szDescription", convertir)) r.MarqueVideo = *t;
    if (auto t = Texte(releve, ecran, "szDisplayMemoryEnglish", convertir)) r.MemoireVideo = MemoireVideoSelonTexte(*t);
    if (auto p = Propriete(releve, ecran, "b3DAccelerationExists", kVtBool))
      r.Is3D = Is3DSelon(static_cast<int16_t>(p->nombre));
    if (auto t = Texte(releve, ecran, "szDriverVersion", convertir)) r.VerDrv = *t;
  }
  const std::string systeme = "DxDiag_SystemInfo";
  if (auto p = Propriete(releve, systeme, "dwDirectXVersionMajor", kVtUi4))
    r.DxMajeur = static_cast<uint32_t>(p->nombre);
  if (auto p = Propriete(releve, systeme, "dwDirectXVersionMinor", kVtUi4))
    r.DxMineur = static_cast<uint32_t>(p->nombre);
  r.DxLettre = Texte(releve, systeme, "szDirectXVersionLetter", convertir).value_or(" ");
  r.DxVersion = TexteVersionFournisseur(r.DxMajeur, r.DxMineur, r.DxLettre);
}

void DecoderFichiers(const Releve& releve, ResultatsInspection& r) {
  uint32_t majeur = 0, mineur = 0;
  char lettre = ' ';
  VersionDxDuReleve(releve, &majeur, &mineur, &lettre);
  r.EchecVideo = 1;
  r.DxMajeur = majeur;
  r.DxMineur = mineur;
  r.DxLettre = std::string(1, lettre);
  r.DxVersion = TexteVersionFichiers(majeur, mineur, lettre);
}

}  // namespace

int VersionDxDuReleve(const Releve& releve, uint32_t* majeur, uint32_t* mineur, char* lettre) {
  return EvaluerTableDx(
      [&](const char* fichier) -> std::optional<uint64_t> {
        if (!releve.repertoireSysteme) return std::nullopt;
        for (const VersionFichierDx& f : releve.fichiersDx)
          if (f.fichier == fichier) return f.version;
        return std::nullopt;
      },
      majeur, mineur, lettre);
}

void DecoderMemoire(const Releve& releve, ResultatsInspection& r) {
  // One query per row, as the system-information component reads each afresh; a relevé with fewer
  // queries gives its last one to the rows after it.
  const auto etat = [&](size_t i) {
    return releve.memoire.empty() ? EtatMemoire{} : releve.memoire[std::min(i, releve.memoire.size() - 1)];
  };
  r.TotalRAM = EnMo(etat(0).totalPhys);
  r.TotalVirtuel = EnMo(etat(1).totalVirtual);
  r.TotalPage = EnMo(etat(2).totalPageFile);
}

void DecoderCarteVideo(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  // S_OK alone is a provider; S_FALSE and every failure take the file versions.
  if (releve.creationFournisseur == 0)
    DecoderFournisseur(releve, r, convertir);
  else
    DecoderFichiers(releve, r);

  r.BitsCouleur = ProfondeurCouleur(releve.planes, releve.bitsPixel);
  r.RefreshRate = releve.displayFrequency;
  r.HauteurEcran = releve.multiEcran ? releve.cyVirtualScreen : releve.cyScreen;
  r.LargeurEcran = releve.multiEcran ? releve.cxVirtualScreen : releve.cxScreen;
  // The metrics are at the thread's scale (an unaware thread is told the logical size); the display mode
  // is the primary screen in pixels. The desktop is brought to pixels by their ratio.
  if (releve.pelsWidth == 0 || releve.pelsHeight == 0 || releve.cxScreen <= 0 || releve.cyScreen <= 0) return;
  r.LargeurEcran = MulDiv(r.LargeurEcran, static_cast<int32_t>(releve.pelsWidth), releve.cxScreen);
  r.HauteurEcran = MulDiv(r.HauteurEcran, static_cast<int32_t>(releve.pelsHeight), releve.cyScreen);
}

void DecoderCPU(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  // Under x64 emulation on ARM64, CPUID and the counter are the emulator's: the OS knows the processor.
  const bool emule = releve.machines && (*releve.machines)[1] == kMachineArm64 && releve.processeurSelonOS;
  r.Faits.processeurSelonOS = emule;
  r.Faits.pause = PauseRatee::Non;
  if (!releve.cpuidPresent || emule) {
    if (!releve.processeurSelonOS) return;  // nothing read: an empty name and 0 MHz
    const std::string nom = convertir(releve.processeurSelonOS->first).value_or("");
    r.NomCPU = TexteJusquAuZero(nom.data(), std::min<size_t>(nom.size(), 63));  // the registry read takes 63 bytes
    r.Vitesse = static_cast<int32_t>(std::min<uint32_t>(releve.processeurSelonOS->second, 0x7FFFFFFF));
    return;
  }
  const FeuilleCpuid* zero = Feuille(releve, 0);
  const OctetsFournisseur fournisseur =
      zero ? OctetsDuFournisseur(zero->registres[1], zero->registres[3], zero->registres[2]) : OctetsFournisseur{};
  const FeuilleCpuid* etendues = Feuille(releve, 0x80000000u);
  OctetsMarque marque{};
  for (uint32_t i = 0; i < 3; ++i)
    if (const FeuilleCpuid* f = Feuille(releve, 0x80000002u + i))
      RangerFeuilleMarque(marque, static_cast<int>(i), f->registres.data());
  r.NomCPU = NomProcesseur(etendues ? etendues->registres[0] : 0, marque,
                           TexteJusquAuZero(fournisseur.data(), fournisseur.size()));
  if (!releve.rdtsc) return;
  // An unusable pause leaves the speed at 0, not measured, rather than a small number.
  r.Faits.pause = JugerPause(*releve.rdtsc, releve.qpc);
  if (r.Faits.pause != PauseRatee::Non) return;
  const uint64_t ticks = (*releve.rdtsc)[1] - (*releve.rdtsc)[0];
  const uint64_t compteur =
      releve.qpc ? static_cast<uint64_t>((*releve.qpc)[1]) - static_cast<uint64_t>((*releve.qpc)[0]) : 0;
  r.Vitesse = static_cast<int32_t>(VitesseMHz(ticks, compteur, releve.qpcFrequence.value_or(0)));
}

void DecoderOS(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  const VersionSysteme& v = releve.versionEx;
  r.VersionOSInfo.dwOSVersionInfoSize = sizeof(VersionOS);
  r.VersionOSInfo.dwMajorVersion = v.majeure;
  r.VersionOSInfo.dwMinorVersion = v.mineure;
  r.VersionOSInfo.dwBuildNumber = v.build;
  r.VersionOSInfo.dwPlatformId = v.plateforme;
  const std::string csd = convertir(v.csd).value_or("");
  const size_t n = std::min(csd.size(), sizeof r.VersionOSInfo.szCSDVersion - 1);
  std::memset(r.VersionOSInfo.szCSDVersion, 0, sizeof r.VersionOSInfo.szCSDVersion);
  std::memcpy(r.VersionOSInfo.szCSDVersion, csd.data(), n);

  const NomOS nom = ChoisirOS(v.plateforme, v.majeure, v.mineure);
  r.VerOS = nom.nom;
  r.CodeOS = nom.code;
  r.AutreInfo = TexteJusquAuZero(r.VersionOSInfo.szCSDVersion, n);

  // The system as it is: RtlGetVersion's answer, else (Windows 9x has no such call) what it told.
  const VersionSysteme* vraie = releve.vraieVersion ? &*releve.vraieVersion : v.lu ? &v : nullptr;
  if (vraie) {
    FaitsSysteme& f = r.Faits;  // the processor's facts are the processor decoder's
    f.versionConnue = true;
    f.majeure = vraie->majeure;
    f.mineure = vraie->mineure;
    f.build = vraie->build;
    f.plateforme = vraie->plateforme;
    f.typeProduit = vraie->typeProduit;
  }
  r.Faits.edition = releve.produit && releve.produit->first ? releve.produit->second : 0;
  r.Faits.wine = releve.wine.value_or("");
  r.Faits.hoteWine = releve.hoteWine ? (*releve.hoteWine)[0] : std::string();
}

ResultatsInspection Decoder(const Releve& releve, VersMonoOctet convertir) {
  ResultatsInspection r;
  r.MarqueVideo = "Inconnue";
  r.VerDrv = "Inconnue";
  DecoderMemoire(releve, r);
  DecoderCarteVideo(releve, r, convertir);
  DecoderCPU(releve, r, convertir);
  DecoderOS(releve, r, convertir);
  return r;
}

}  // namespace sondes
