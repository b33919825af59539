#include "probes/ExamenRules.h"

#include <algorithm>
#include <cstring>

#include "base/TexteRules.h"
#include "base/Textes.h"
#include "probes/CpuRules.h"
#include "probes/MemoryRules.h"
#include "probes/VideoRules.h"

namespace sondes {
namespace {

// A text of the table in the findings' code page.
std::string Mot(base::Texte id, VersMonoOctet convertir) { return convertir(base::Utf8(base::Dire(id))).value_or(""); }

// A fact's text in the findings' code page; a text that code page cannot take counts as not given.
std::string Mono(const Fait<std::string>& f, VersMonoOctet convertir, const std::string& defaut) {
  return f.valeur ? convertir(*f.valeur).value_or(defaut) : defaut;
}

// The bytes that DepuisLatin1 made UTF-8 (ConstatsRules.cpp): each character back to its one byte.
std::string VersLatin1(const std::string& utf8) {
  std::string octets;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<uint8_t>(utf8[i]);
    if (c >= 0xC2 && c <= 0xC3 && i + 1 < utf8.size())
      octets += static_cast<char>((c & 0x03) << 6 | (static_cast<uint8_t>(utf8[++i]) & 0x3F));
    else
      octets += utf8[i];
  }
  return octets;
}

int32_t Signe(uint32_t v) { return static_cast<int32_t>(std::min<uint32_t>(v, 0x7FFFFFFF)); }

}  // namespace

void AfficherMemoire(const ConstatsMemoire& m, ResultatsInspection& r) {
  // A failed query reads as no bytes, which the megabyte rule shows as 1 Mo.
  r.TotalRAM = EnMo(m.physique.Ou(0));
  r.TotalVirtuel = EnMo(m.virtuelle.Ou(0));
  r.TotalPage = EnMo(m.pagination.Ou(0));
}

void AfficherVideo(const ConstatsVideo& v, const Fait<VersionDirectX>& dx, ResultatsInspection& r,
                   VersMonoOctet convertir) {
  // The first display device is the one shown and judged.
  const CarteVideo* carte = v.cartes.empty() ? nullptr : &v.cartes.front();
  const std::string inconnue = Mot(base::Texte::Inconnue, convertir);
  r.MarqueVideo = carte ? Mono(carte->nom, convertir, inconnue) : inconnue;
  r.VerDrv = carte ? Mono(carte->pilote, convertir, inconnue) : inconnue;
  r.MemoireVideo = carte ? Signe(carte->memoireMB.Ou(0)) : 0;
  r.Is3D = carte && carte->acceleration3D.Ou(false) ? 1 : 0;
  const VersionDirectX version = dx.Ou({});
  r.DxMajeur = version.majeur;
  r.DxMineur = version.mineur;
  r.EchecVideo = v.fournisseur ? 0 : 1;
  if (v.fournisseur) {
    r.DxLettre = dx.valeur ? convertir(version.lettre).value_or(" ") : " ";
    r.DxVersion = TexteVersionFournisseur(r.DxMajeur, r.DxMineur, r.DxLettre);
  } else {
    const char lettre = version.lettre.empty() ? ' ' : version.lettre[0];
    r.DxLettre = std::string(1, lettre);
    r.DxVersion = TexteVersionFichiers(r.DxMajeur, r.DxMineur, lettre);
  }
  r.BitsCouleur = static_cast<int32_t>(v.bitsCouleur.Ou(0));
  r.RefreshRate = v.frequence.Ou(0);
  r.LargeurEcran = v.largeur.Ou(0);
  r.HauteurEcran = v.hauteur.Ou(0);
}

void AfficherProcesseur(const ConstatsProcesseur& p, ResultatsInspection& r, VersMonoOctet convertir) {
  if (p.nomDeWindows) {
    // Windows's name comes from a registry read of 63 bytes.
    const std::string nom = Mono(p.nom, convertir, "");
    r.NomCPU = TexteJusquAuZero(nom.data(), std::min<size_t>(nom.size(), 63));
  } else {
    r.NomCPU = VersLatin1(p.nom.Ou(""));  // CPUID's bytes, as they are
  }
  r.Vitesse = Signe(p.mhz.Ou(0));
  r.Faits.processeurSelonOS = p.selonOS;
  r.Faits.pause = p.pause;
}

void AfficherSysteme(const ConstatsSysteme& s, ResultatsInspection& r, VersMonoOctet convertir) {
  const VersionWindows dit = s.annoncee.Ou({});
  r.VersionOSInfo.dwOSVersionInfoSize = sizeof(VersionOS);
  r.VersionOSInfo.dwMajorVersion = dit.majeure;
  r.VersionOSInfo.dwMinorVersion = dit.mineure;
  r.VersionOSInfo.dwBuildNumber = dit.build;
  r.VersionOSInfo.dwPlatformId = dit.plateforme;
  const std::string csd = convertir(dit.csd).value_or("");
  const size_t n = std::min(csd.size(), sizeof r.VersionOSInfo.szCSDVersion - 1);
  std::memset(r.VersionOSInfo.szCSDVersion, 0, sizeof r.VersionOSInfo.szCSDVersion);
  std::memcpy(r.VersionOSInfo.szCSDVersion, csd.data(), n);
  r.VerOS = s.nom.valeur ? *s.nom.valeur : Mot(base::Texte::OsInconnu, convertir);
  r.CodeOS = s.code;
  r.AutreInfo = TexteJusquAuZero(r.VersionOSInfo.szCSDVersion, n);

  FaitsSysteme& f = r.Faits;  // the processor's facts are the processor's display
  f.versionConnue = s.vraie.valeur.has_value();
  const VersionWindows vraie = s.vraie.Ou({});
  f.majeure = vraie.majeure;
  f.mineure = vraie.mineure;
  f.build = vraie.build;
  f.plateforme = vraie.plateforme;
  f.typeProduit = vraie.typeProduit;
  f.edition = s.edition.Ou(0);
  f.wine = s.wine.Ou("");
  f.hoteWine = s.hoteWine.Ou("");
}

void DecoderMemoire(const Releve& releve, ResultatsInspection& r) { AfficherMemoire(ConstaterMemoire(releve), r); }

void DecoderCarteVideo(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  Fait<VersionDirectX> directx;
  const ConstatsVideo video = ConstaterVideo(releve, &directx);
  AfficherVideo(video, directx, r, convertir);
}

void DecoderCPU(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  AfficherProcesseur(ConstaterProcesseur(releve), r, convertir);
}

void DecoderOS(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir) {
  AfficherSysteme(ConstaterSysteme(releve), r, convertir);
}

ResultatsInspection Decoder(const Releve& releve, VersMonoOctet convertir) {
  return Afficher(Constater(releve), convertir);
}

ResultatsInspection Afficher(const Constats& c, VersMonoOctet convertir) {
  ResultatsInspection r;
  AfficherMemoire(c.memoire, r);
  AfficherVideo(c.video, c.directx, r, convertir);
  AfficherProcesseur(c.processeur, r, convertir);
  AfficherSysteme(c.systeme, r, convertir);
  return r;
}

}  // namespace sondes
