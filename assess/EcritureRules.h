#pragma once
// The safe save's pieces over the file seam (assess/Enregistrement.h holds the whole save's table): open
// files, files the save creates, the retries, and the routes that write the target itself.
#include <string>
#include <string_view>

#include "assess/EnregistrementRules.h"
#include "assess/Fichiers.h"
#include "base/Exception.h"

namespace bilan {

base::Exception ErreurCreation(const std::wstring& chemin);

// Whether someone (a scanner, an indexer, an editor) may hold the file for a moment.
bool ARefaire(Erreur erreur);

// `essai` run again, kPauseRemplacementMs apart and kEssaisRemplacement times in all, while it fails on a file
// someone holds; its last error.
template <class Essai>
Erreur Reessayer(Fichiers& f, Essai essai) {
  for (int n = 1;; ++n) {
    const Erreur erreur = essai();
    if (erreur == kSucces || n == kEssaisRemplacement || !ARefaire(erreur)) return erreur;
    f.Sleep(kPauseRemplacementMs);
  }
}

// An open file, closed with its owner unless closed first.
class Ouvert {
 public:
  explicit Ouvert(Fichiers& f) : f_(f) {}
  ~Ouvert() { Fermer(); }
  Ouvert(const Ouvert&) = delete;
  Ouvert& operator=(const Ouvert&) = delete;

  Erreur Ouvrir(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation);
  explicit operator bool() const { return h_ != nullptr; }
  Poignee get() const { return h_; }
  // A close can still report a delayed write that was lost; the handle is gone either way.
  bool Fermer();

 private:
  Fichiers& f_;
  Poignee h_ = nullptr;
};

// A file that this save creates, under a name no file has. It is opened with DELETE, which the system grants
// the file's creator even in a folder that refuses deletion to everyone else (the ReplaceFileW remarks): so it
// can be renamed, or removed, through its handle there. Unless kept, it is removed with its owner: through its
// handle while open, else by name.
class Nouveau {
 public:
  explicit Nouveau(Fichiers& f) : f_(f), fichier_(f) {}
  ~Nouveau();
  Nouveau(const Nouveau&) = delete;
  Nouveau& operator=(const Nouveau&) = delete;

  Erreur Creer(const std::wstring& nom);
  const std::wstring& Nom() const { return nom_; }
  // Every byte, on the disk.
  bool Ecrire(std::string_view octets);
  Erreur Renommer(const std::wstring& nom);
  bool Fermer() { return fichier_.Fermer(); }
  // The file is the user's now: nothing to remove.
  void Garder() { nom_.clear(); }

 private:
  Fichiers& f_;
  Ouvert fichier_;
  std::wstring nom_;
};

// The temporary file beside `cible`, under the first free name from `graine`.
Erreur CreerTemporaire(Nouveau& temporaire, const std::wstring& cible, uint32_t graine);

// The route of a new target with no temporary file, or none that can be renamed: the target itself created.
void EcrireDirectement(Fichiers& f, const std::wstring& cible, std::string_view octets, const std::wstring& chemin);

// The route of an existing target that cannot be replaced: written in place, the old bytes put back on any failure.
void EcrireSurPlace(Fichiers& f, const std::wstring& cible, std::string_view octets, const std::wstring& chemin);

}  // namespace bilan
