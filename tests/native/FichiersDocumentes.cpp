#include "FichiersDocumentes.h"

#include <algorithm>

#include "assess/EnregistrementRules.h"

using namespace bilan;

Erreur FichiersDocumentes::Chemin(const std::wstring& demande, std::wstring& chemin) const {
  if (demande.starts_with(L"\\\\?\\")) {
    chemin = demande.substr(4);
    return kSucces;
  }
  // MAX_PATH (260) counts the terminating zero.
  if (demande.size() >= 260) return kErreurCheminIntrouvable;
  chemin = demande;
  return kSucces;
}

bool FichiersDocumentes::Indelebile(const std::wstring& chemin) const {
  return sansSuppression.count(DossierDe(chemin)) != 0;
}

bool FichiersDocumentes::Tenu(const std::wstring& chemin) {
  const auto it = tenus.find(chemin);
  if (it == tenus.end() || it->second == 0 || !fichiers.count(chemin)) return false;
  --it->second;
  return true;
}

Erreur FichiersDocumentes::GetFileAttributesW(const std::wstring& demande, uint32_t& attributs) {
  std::wstring chemin;
  if (const Erreur e = Chemin(demande, chemin)) return e;
  const auto it = fichiers.find(chemin);
  if (it == fichiers.end()) return kErreurFichierIntrouvable;
  attributs = it->second.attributs | (it->second.lien.empty() ? 0 : kAttributLien);
  return kSucces;
}

Erreur FichiersDocumentes::CreateFileW(const std::wstring& demande, uint32_t acces, uint32_t, uint32_t creation,
                                       uint32_t options, bilan::Poignee& fichier) {
  fichier = nullptr;
  std::wstring chemin;
  if (const Erreur e = Chemin(demande, chemin)) return e;
  for (auto it = fichiers.find(chemin); it != fichiers.end() && !it->second.lien.empty(); it = fichiers.find(chemin))
    chemin = it->second.lien;
  const auto it = fichiers.find(chemin);
  const std::wstring dossier = DossierDe(chemin);
  if (creation == kCreerNouveau) {
    if (absents.count(dossier)) return kErreurCheminIntrouvable;
    if (it != fichiers.end()) return kErreurFichierExistant;
    if (sansCreation.count(dossier)) return kErreurAccesRefuse;
    // The creator gets every access it asks for, DELETE included, whatever the folder refuses to others.
    fichiers[chemin] = Fichier{"", options & 0xFFFF, ++horloge_, {}, L""};
  } else if (creation == kOuvrirExistant) {
    if (it == fichiers.end()) return kErreurFichierIntrouvable;
    if ((acces & kAccesSuppression) && Indelebile(chemin)) return kErreurAccesRefuse;
    if (Tenu(chemin)) return kErreurPartage;
  } else {
    return kErreurParametre;
  }
  fichier = reinterpret_cast<bilan::Poignee>(prochain_++);
  ouverts_[fichier] = {chemin, 0, acces};
  return kSucces;
}

Erreur FichiersDocumentes::ReadFile(bilan::Poignee fichier, void* octets, uint32_t taille, uint32_t& lus) {
  Ouvert& o = Ouverte(fichier);
  const std::string& contenu = fichiers[o.chemin].contenu;
  lus = static_cast<uint32_t>(contenu.copy(static_cast<char*>(octets), taille, std::min(o.position, contenu.size())));
  o.position += lus;
  return kSucces;
}

Erreur FichiersDocumentes::WriteFile(bilan::Poignee fichier, const void* octets, uint32_t taille, uint32_t& ecrits) {
  Ouvert& o = Ouverte(fichier);
  o.ecrit = true;
  std::string& contenu = fichiers[o.chemin].contenu;
  ecrits = 0;
  if (disquePlein && o.position + taille > contenu.size()) {
    // As a full volume does: the bytes that fit in the file's clusters go, then the write fails.
    const size_t place = contenu.size() > o.position ? contenu.size() - o.position : 0;
    contenu.replace(o.position, place, static_cast<const char*>(octets), place);
    o.position += place;
    ecrits = static_cast<uint32_t>(place);
    return kErreurDisquePlein;
  }
  if (contenu.size() < o.position + taille) contenu.resize(o.position + taille);
  contenu.replace(o.position, taille, static_cast<const char*>(octets), taille);
  o.position += taille;
  ecrits = taille;
  return kSucces;
}

Erreur FichiersDocumentes::SetFilePointerEx(bilan::Poignee fichier, int64_t position) {
  Ouverte(fichier).position = static_cast<size_t>(position);
  return kSucces;
}

Erreur FichiersDocumentes::SetEndOfFile(bilan::Poignee fichier) {
  const Ouvert& o = Ouverte(fichier);
  fichiers[o.chemin].contenu.resize(o.position);
  return kSucces;
}

Erreur FichiersDocumentes::FlushFileBuffers(bilan::Poignee) { return ecritureDifferee ? kErreurReseauPerdu : kSucces; }

Erreur FichiersDocumentes::CloseHandle(bilan::Poignee fichier) {
  const auto it = ouverts_.find(fichier);
  if (it == ouverts_.end()) return kErreurPoigneeInvalide;
  const Ouvert o = it->second;
  ouverts_.erase(it);
  if (o.supprimer) fichiers.erase(o.chemin);
  return echecFermeture && o.ecrit ? kErreurReseauPerdu : kSucces;
}

Erreur FichiersDocumentes::SetFileInformationByHandle(bilan::Poignee fichier, const InfoRenommage& info) {
  Ouvert& o = Ouverte(fichier);
  std::wstring cible;
  if (const Erreur e = Chemin(info.nom, cible)) return e;
  if (sansRenommage) return kErreurParametre;
  if (!(o.acces & kAccesSuppression) || sansCreation.count(DossierDe(cible))) return kErreurAccesRefuse;
  if (fichiers.count(cible)) return kErreurDejaExistant;
  const Fichier renomme = fichiers.at(o.chemin);
  fichiers.erase(o.chemin);
  fichiers[cible] = renomme;
  o.chemin = cible;
  return kSucces;
}

Erreur FichiersDocumentes::SetFileInformationByHandle(bilan::Poignee fichier, const InfoSuppression& info) {
  Ouvert& o = Ouverte(fichier);
  if (!(o.acces & kAccesSuppression)) return kErreurAccesRefuse;
  o.supprimer = info.supprimer;
  return kSucces;
}

Erreur FichiersDocumentes::GetFinalPathNameByHandleW(bilan::Poignee fichier, std::wstring& chemin) {
  if (sansCheminFinal) return bilan::kErreurNonImplementee;
  chemin = L"\\\\?\\" + Ouverte(fichier).chemin;
  return kSucces;
}

Erreur FichiersDocumentes::MoveFileExW(const std::wstring& demandeSource, const std::wstring& demandeCible,
                                       uint32_t options) {
  std::wstring source, cible;
  if (const Erreur e = Chemin(demandeSource, source)) return e;
  if (const Erreur e = Chemin(demandeCible, cible)) return e;
  const auto it = fichiers.find(source);
  if (it == fichiers.end()) return kErreurFichierIntrouvable;
  if (Indelebile(source)) return kErreurAccesRefuse;
  if (Tenu(source) || Tenu(cible)) return kErreurPartage;
  if (fichiers.count(cible) && !(options & kDeplacerRemplacer)) return kErreurDejaExistant;
  const Fichier deplace = it->second;
  fichiers.erase(it);
  fichiers[cible] = deplace;  // a link in the target's place is replaced, not followed
  Tenir(cible);
  return kSucces;
}

Erreur FichiersDocumentes::ReplaceFileW(const std::wstring& demandeRemplace, const std::wstring& demandeRemplacant,
                                        const std::wstring& demandeSauvegarde) {
  std::wstring remplace, remplacant, sauvegarde;
  if (const Erreur e = Chemin(demandeRemplace, remplace)) return e;
  if (const Erreur e = Chemin(demandeRemplacant, remplacant)) return e;
  if (!demandeSauvegarde.empty())
    if (const Erreur e = Chemin(demandeSauvegarde, sauvegarde)) return e;
  const auto cible = fichiers.find(remplace), source = fichiers.find(remplacant);
  if (cible == fichiers.end() || source == fichiers.end()) return kErreurFichierIntrouvable;
  // The replaced file is opened with DELETE access, the replacement without sharing.
  if (Indelebile(remplace)) return kErreurAccesRefuse;
  if (Tenu(remplace)) {
    // Wine moves the replaced file out of the way to a temporary name of its own, a file it makes first
    // (GetTempFileNameW) and leaves when the holder refuses the move.
    fichiers[DossierDe(remplace) + L"rf0001.tmp"] = Fichier{"", kAttributArchive, ++horloge_, {}, L""};
    return kErreurPartage;
  }
  if (Tenu(remplacant)) return kErreurPartage;
  Fichier nouveau = cible->second;
  nouveau.contenu = source->second.contenu;
  const bool echoue = reussitApres == 0 || remplacementsRates_++ < reussitApres;
  switch (echoue ? echecRemplacement : kSucces) {
    case kSucces: break;
    case kErreurRemplacantImmobile:
      // With a backup name both files keep their names; without, the replaced file no longer exists.
      if (sauvegarde.empty()) fichiers.erase(cible);
      return kErreurRemplacantImmobile;
    case kErreurRemplacantImmobile2: {
      // The replacement keeps its name with the replaced file's streams and attributes; the replaced file
      // exists under the backup name, or under another name.
      const Fichier ancien = cible->second;
      source->second = nouveau;
      fichiers.erase(cible);
      const std::wstring ailleurs = sauvegarde.empty() ? DossierDe(remplace) + L"~rf0001.tmp" : sauvegarde;
      fichiers[ailleurs] = ancien;
      Tenir(ailleurs);
      Tenir(remplacant);
      return kErreurRemplacantImmobile2;
    }
    default: return echecRemplacement;  // both files keep their names, and no backup is made
  }
  if (!sauvegarde.empty()) {
    fichiers[sauvegarde] = cible->second;
    Tenir(sauvegarde);
  }
  cible->second = nouveau;
  fichiers.erase(source);
  return kSucces;
}

Erreur FichiersDocumentes::DeleteFileW(const std::wstring& demande) {
  std::wstring chemin;
  if (const Erreur e = Chemin(demande, chemin)) return e;
  if (!fichiers.count(chemin)) return kErreurFichierIntrouvable;
  if (Indelebile(chemin)) return kErreurAccesRefuse;
  if (Tenu(chemin)) return kErreurPartage;
  fichiers.erase(chemin);
  return kSucces;
}

namespace {
std::wstring EnMajuscules(std::wstring nom) {
  for (wchar_t& c : nom)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return nom;
}
// A DOS device's name, in any case (the list of "Naming Files, Paths, and Namespaces").
bool NomDePeripherique(const std::wstring& nom) {
  const std::wstring m = EnMajuscules(nom);
  if (m == L"CON" || m == L"PRN" || m == L"AUX" || m == L"NUL") return true;
  return m.size() == 4 && (m.starts_with(L"COM") || m.starts_with(L"LPT")) && m[3] >= L'1' && m[3] <= L'9';
}
}  // namespace

Erreur FichiersDocumentes::GetFullPathNameW(const std::wstring& chemin, std::wstring& complet) {
  if (chemin.empty()) return kErreurParametre;
  if (chemin.starts_with(L"\\\\?\\") || chemin.starts_with(L"\\\\.\\")) {
    complet = chemin;
    return kSucces;
  }
  std::wstring barres = chemin;
  std::replace(barres.begin(), barres.end(), L'/', L'\\');
  const bool unc = barres.starts_with(L"\\\\");
  const std::wstring dossier = DossierDe(barres), nom = barres.substr(dossier.size());
  // The name before its extension, without trailing spaces.
  std::wstring base = nom.substr(0, nom.find(L'.'));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  const bool extension = nom.find(L'.') != std::wstring::npos;
  const bool peripherique = !unc && NomDePeripherique(base) &&
                            (!windows11 || (!extension && (dossier.empty() || EnMajuscules(base) == L"NUL")));
  if (peripherique) {
    complet = L"\\\\.\\" + base;
    return kSucces;
  }
  const bool absolu = unc || (barres.size() >= 3 && barres[1] == L':' && barres[2] == L'\\');
  complet = absolu ? barres : dossierCourant + barres;
  return kSucces;
}
