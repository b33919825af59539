#include "assess/EcritureRules.h"

#include <algorithm>

#include "assess/Enregistrement.h"
#include "base/Textes.h"

namespace bilan {

namespace {

// The largest file written over in place with its old bytes kept in memory, to be put back.
constexpr size_t kMaxAncien = 64 * 1024 * 1024;

// Every byte written from the file's position; false otherwise.
bool EcrireOctets(Fichiers& f, Poignee fichier, std::string_view octets) {
  while (!octets.empty()) {
    uint32_t ecrits = 0;
    const auto morceau = static_cast<uint32_t>(std::min<size_t>(octets.size(), 1u << 30));
    if (f.WriteFile(fichier, octets.data(), morceau, ecrits) != kSucces || ecrits == 0) return false;
    octets.remove_prefix(ecrits);
  }
  return true;
}

// The file's whole content made `octets`, on the disk.
bool Reecrire(Fichiers& f, Poignee fichier, std::string_view octets) {
  return f.SetFilePointerEx(fichier, 0) == kSucces && EcrireOctets(f, fichier, octets) &&
         f.SetEndOfFile(fichier) == kSucces && f.FlushFileBuffers(fichier) == kSucces;
}

}  // namespace

base::Exception ErreurEcriture() { return base::Exception(base::Dire(base::Texte::ErreurEcriture)); }

base::Exception ErreurCreation(const std::wstring& chemin) {
  return base::Exception(base::Remplir(base::Texte::CreationImpossible, {chemin}));
}

bool ARefaire(Erreur erreur) {
  // A replace that met a held file keeps both names (1175, 1176 with a backup name): it can be tried again.
  return erreur == kErreurPartage || erreur == kErreurVerrou || erreur == kErreurAccesRefuse ||
         erreur == kErreurRemplaceIndelebile || erreur == kErreurRemplacantImmobile;
}

Erreur Ouvert::Ouvrir(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation) {
  Fermer();
  return f_.CreateFileW(chemin, acces, partage, creation, kAttributNormal, h_);
}

bool Ouvert::Fermer() {
  const Poignee h = h_;
  h_ = nullptr;
  return !h || f_.CloseHandle(h) == kSucces;
}

Nouveau::~Nouveau() {
  if (nom_.empty()) return;
  const bool marque = fichier_ && f_.SetFileInformationByHandle(fichier_.get(), InfoSuppression{}) == kSucces;
  fichier_.Fermer();
  if (!marque) Reessayer(f_, [&] { return f_.DeleteFileW(nom_); });
}

Erreur Nouveau::Creer(const std::wstring& nom) {
  // A new name only: never write into a file someone else owns.
  const Erreur erreur = fichier_.Ouvrir(nom, kAccesEcriture | kAccesSuppression, 0, kCreerNouveau);
  if (erreur == kSucces) nom_ = nom;
  return erreur;
}

bool Nouveau::Ecrire(std::string_view octets) {
  return EcrireOctets(f_, fichier_.get(), octets) && f_.FlushFileBuffers(fichier_.get()) == kSucces;
}

Erreur Nouveau::Renommer(const std::wstring& nom) {
  const Erreur erreur = f_.SetFileInformationByHandle(fichier_.get(), InfoRenommage{nom});
  if (erreur == kSucces) nom_ = nom;
  return erreur;
}

Erreur CreerTemporaire(Nouveau& temporaire, const std::wstring& cible, uint32_t graine) {
  Erreur erreur = kErreurFichierExistant;
  for (uint32_t essai = 0; essai < 64; ++essai) {
    // Beside the target its name may pass MAX_PATH where the target's does not.
    erreur = temporaire.Creer(CheminPourWindows(NomTemporaire(cible, graine + essai)));
    if (erreur != kErreurFichierExistant && erreur != kErreurDejaExistant) break;
  }
  return erreur;
}

void EcrireDirectement(Fichiers& f, const std::wstring& cible, std::string_view octets, const std::wstring& chemin) {
  Nouveau fichier(f);
  if (fichier.Creer(cible) != kSucces) throw ErreurCreation(chemin);
  if (!fichier.Ecrire(octets) || !fichier.Fermer()) throw ErreurEcriture();
  fichier.Garder();
}

// A plain program's save: the existing file written over. Its whole old content is kept first, and the file is
// cut to the new length only once every new byte is written: whatever fails after (a full disk, a lost network,
// a pulled stick, a delayed write that the flush or the close reports), the old bytes and length go back,
// through a new handle when the close took the first, so that the file is never left emptied, half written or
// shortened. A file too large to be kept in memory is written over as the plain program would, unguarded.
void EcrireSurPlace(Fichiers& f, const std::wstring& cible, std::string_view octets, const std::wstring& chemin) {
  Ouvert fichier(f);
  if (fichier.Ouvrir(cible, kAccesLecture | kAccesEcriture, 0, kOuvrirExistant) != kSucces)
    throw ErreurCreation(chemin);
  std::string ancien;
  bool garde = true;
  for (uint32_t n = 1; n != 0 && garde;) {
    const size_t lus = ancien.size();
    ancien.resize(lus + 64 * 1024);
    if (f.ReadFile(fichier.get(), ancien.data() + lus, static_cast<uint32_t>(ancien.size() - lus), n) != kSucces)
      throw ErreurCreation(chemin);
    ancien.resize(lus + n);
    garde = ancien.size() < kMaxAncien;
  }
  if (Reecrire(f, fichier.get(), octets) && fichier.Fermer()) return;
  if (garde && (fichier || fichier.Ouvrir(cible, kAccesEcriture, 0, kOuvrirExistant) == kSucces)) {
    Reecrire(f, fichier.get(), ancien);
    fichier.Fermer();
  }
  throw ErreurEcriture();
}

}  // namespace bilan
