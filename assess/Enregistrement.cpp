#include "assess/Enregistrement.h"

#include <algorithm>
#include <optional>

#include "assess/EnregistrementRules.h"
#include "base/Exception.h"

namespace bilan {

base::Exception ErreurEcriture() { return base::Exception(L"Erreur d'écriture dans le flux"); }

namespace {

// The largest file written over in place: its old bytes are kept in memory to be put back.
constexpr size_t kMaxAncien = 64 * 1024 * 1024;

base::Exception ErreurCreation(const std::wstring& chemin) {
  return base::Exception(L"Impossible de créer le fichier " + chemin);
}

// An open file of the file system, closed with its owner unless closed first.
class Ouvert {
 public:
  Ouvert(Fichiers& f, HANDLE h) : f_(f), h_(h) {}
  ~Ouvert() { Fermer(); }
  Ouvert(const Ouvert&) = delete;
  Ouvert& operator=(const Ouvert&) = delete;

  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  void Prendre(HANDLE h) {
    Fermer();
    h_ = h;
  }
  // A close can still report a failed delayed write.
  bool Fermer() {
    const bool ferme = h_ == INVALID_HANDLE_VALUE || f_.CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ferme;
  }

 private:
  Fichiers& f_;
  HANDLE h_;
};

// Every byte written from the file's position; false otherwise.
bool EcrireOctets(Fichiers& f, HANDLE fichier, std::string_view octets) {
  while (!octets.empty()) {
    DWORD ecrits = 0;
    const auto morceau = static_cast<DWORD>(std::min<size_t>(octets.size(), 1u << 30));
    if (!f.WriteFile(fichier, octets.data(), morceau, &ecrits) || ecrits == 0) return false;
    octets.remove_prefix(ecrits);
  }
  return true;
}

// Every byte on the disk, then closed; false otherwise.
bool EcrireTout(Fichiers& f, Ouvert& fichier, std::string_view octets) {
  return EcrireOctets(f, fichier.get(), octets) && f.FlushFileBuffers(fichier.get()) && fichier.Fermer();
}

// A name beside the target that no file has: for the replaced file while the replace runs.
std::wstring NomLibre(Fichiers& f, const std::wstring& cible, uint32_t graine) {
  for (uint32_t essai = 0; essai < 64; ++essai) {
    std::wstring nom = CheminPourWindows(NomTemporaire(cible, graine + essai));
    if (f.GetFileAttributesW(nom) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND) return nom;
  }
  return {};
}

uint32_t Graine() { return GetTickCount() ^ (GetCurrentProcessId() << 16); }

// The temporary file: open while it is written, removed unless it became the target.
class Temporaire {
 public:
  Temporaire(Fichiers& f, const std::wstring& cible) : f_(f), fichier_(f, INVALID_HANDLE_VALUE) {
    const uint32_t graine = Graine();
    for (uint32_t essai = 0; essai < 64; ++essai) {
      // Beside the target its name may pass MAX_PATH where the target's does not.
      nom_ = CheminPourWindows(NomTemporaire(cible, graine + essai));
      // A new name only: never write into a file someone else owns.
      const HANDLE h = f.CreateFileW(nom_, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
      const DWORD erreur = GetLastError();
      if (h != INVALID_HANDLE_VALUE) {
        fichier_.Prendre(h);
        return;
      }
      if (erreur != ERROR_FILE_EXISTS && erreur != ERROR_ALREADY_EXISTS) break;
    }
    nom_.clear();
  }
  ~Temporaire() {
    fichier_.Fermer();
    if (!nom_.empty()) f_.DeleteFileW(nom_);
  }
  Temporaire(const Temporaire&) = delete;
  Temporaire& operator=(const Temporaire&) = delete;

  bool Cree() const { return !nom_.empty(); }
  const std::wstring& Nom() const { return nom_; }
  bool Ecrire(std::string_view octets) { return EcrireTout(f_, fichier_, octets); }
  // The file is now the target's: nothing left to remove.
  void Garder() { nom_.clear(); }

 private:
  Fichiers& f_;
  Ouvert fichier_;
  std::wstring nom_;
};

bool ARefaire(DWORD erreur) {
  // Someone (a scanner, an indexer, an editor) may hold the target, or the new file, for a moment.
  return erreur == ERROR_SHARING_VIOLATION || erreur == ERROR_LOCK_VIOLATION || erreur == ERROR_ACCESS_DENIED ||
         erreur == ERROR_UNABLE_TO_REMOVE_REPLACED || erreur == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
         erreur == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
}

// Whether the target can be replaced now: a replace needs to delete it, which someone holding it without
// sharing deletion prevents. Asked first, so that a held target never reaches ReplaceFileW, which under
// Wine leaves a file of its own beside the target when it fails.
bool Libre(Fichiers& f, const std::wstring& cible) {
  const Ouvert fichier(f, f.CreateFileW(cible, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
  return static_cast<bool>(fichier);
}

// A folder may let the user write its files but not delete them, and a replace deletes the target: such a
// target is written in place when it can be opened for writing.
bool SeulementInscriptible(Fichiers& f, const std::wstring& cible) {
  constexpr DWORD kPartage = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  {
    const Ouvert suppression(f, f.CreateFileW(cible, DELETE, kPartage, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
    if (suppression || GetLastError() != ERROR_ACCESS_DENIED) return false;
  }
  const Ouvert ecriture(f, f.CreateFileW(cible, GENERIC_WRITE, kPartage, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
  return static_cast<bool>(ecriture);
}

// What is at the target's path after a failed replace.
enum class Place { Ancien, Nouveau, Vide };

// A backup, deleted once it is not needed; a scanner that opened the file just renamed holds it a moment,
// as it holds a replace.
void Supprimer(Fichiers& f, const std::wstring& chemin) {
  for (int essai = 1; !f.DeleteFileW(chemin); ++essai) {
    if (essai == kEssaisRemplacement || !ARefaire(GetLastError())) return;
    f.Sleep(kPauseRemplacementMs);
  }
}

// A failed replace leaves the target in its place, or, when the target was renamed but the new file was
// not, the target under the backup name (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) or gone when no backup was
// named (ERROR_UNABLE_TO_MOVE_REPLACEMENT); the new file keeps its own name. The old file goes back, or
// else the new one takes its place; when neither can move, both stay where they are.
Place Retablir(Fichiers& f, const std::wstring& source, const std::wstring& cible, const std::wstring& sauvegarde) {
  const bool sauvee = f.GetFileAttributesW(sauvegarde) != INVALID_FILE_ATTRIBUTES;
  if (f.GetFileAttributesW(cible) != INVALID_FILE_ATTRIBUTES) {
    if (sauvee) Supprimer(f, sauvegarde);
    return Place::Ancien;
  }
  if (sauvee && f.MoveFileExW(sauvegarde, cible, MOVEFILE_WRITE_THROUGH)) return Place::Ancien;
  if (f.MoveFileExW(source, cible, MOVEFILE_WRITE_THROUGH)) {
    if (sauvee) Supprimer(f, sauvegarde);
    return Place::Nouveau;
  }
  return Place::Vide;
}

// How a replace ended: the new file in the target's place, or not, and whether the new file must stay
// where it is, as the only copy of the new bytes next to a target that could not be put back.
struct Remplacement {
  bool fait;
  bool garderSource;
};

// ReplaceFileW keeps the replaced file's security, creation time, attributes and streams, which a move
// would drop; a new target is a move. The replaced file goes to a backup name, so that a replace that fails
// half-way leaves files under known names, and the backup is removed once the new file is in place.
Remplacement Remplacer(Fichiers& f, const std::wstring& source, const std::wstring& cible, bool existe) {
  constexpr DWORD kGarder = REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS;
  const uint32_t graine = Graine() + 0x80000000u;  // away from the temporary file's names
  for (int essai = 1;; ++essai) {
    if (!existe) {
      if (f.MoveFileExW(source, cible, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {true, false};
    } else if (Libre(f, cible)) {
      const std::wstring sauvegarde = NomLibre(f, cible, graine + static_cast<uint32_t>(essai) * 64);
      if (sauvegarde.empty()) return {false, false};
      if (f.ReplaceFileW(cible, source, sauvegarde, kGarder)) {
        Supprimer(f, sauvegarde);
        return {true, false};
      }
      const DWORD erreur = GetLastError();
      switch (Retablir(f, source, cible, sauvegarde)) {
        case Place::Nouveau: return {true, false};
        case Place::Vide: return {false, true};
        case Place::Ancien: break;
      }
      SetLastError(erreur);
    }
    if (essai == kEssaisRemplacement || !ARefaire(GetLastError())) return {false, false};
    f.Sleep(kPauseRemplacementMs);
  }
}

// The file a symbolic link leads to; nothing when it cannot be reached.
std::optional<std::wstring> CheminFinal(Fichiers& f, const std::wstring& lien) {
  Ouvert fichier(f, f.CreateFileW(lien, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL));
  if (!fichier) return std::nullopt;
  std::wstring chemin(32768, L'\0');
  const DWORD n = f.GetFinalPathNameByHandleW(fichier.get(), chemin.data(), static_cast<DWORD>(chemin.size()),
                                              FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n == 0 || n >= chemin.size()) return std::nullopt;
  chemin.resize(n);
  return chemin;
}

// A plain program's save: the existing file written over. The whole old file is kept first, and it is cut to
// the new length only once every new byte is written: whatever fails after (a full disk, a lost network, a
// pulled stick, a delayed write that the flush reports), the old bytes and the old length are put back, so
// that the file is never left emptied, half written or shortened.
void EcrireSurPlace(Fichiers& f, const std::wstring& cible, std::string_view octets, const std::wstring& chemin) {
  Ouvert fichier(f, f.CreateFileW(cible, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
  if (!fichier) throw ErreurCreation(chemin);
  std::string ancien;
  for (;;) {
    // A file larger than any report by far is not one that can be put back from memory.
    if (ancien.size() >= kMaxAncien) throw ErreurCreation(chemin);
    const size_t lus = ancien.size();
    ancien.resize(lus + 64 * 1024);
    DWORD n = 0;
    if (!f.ReadFile(fichier.get(), ancien.data() + lus, static_cast<DWORD>(ancien.size() - lus), &n))
      throw ErreurCreation(chemin);
    ancien.resize(lus + n);
    if (n == 0) break;
  }
  const bool ecrit = f.SetFilePointerEx(fichier.get(), 0) && EcrireOctets(f, fichier.get(), octets) &&
                     f.SetEndOfFile(fichier.get()) && f.FlushFileBuffers(fichier.get());
  if (ecrit && fichier.Fermer()) return;
  if (fichier && f.SetFilePointerEx(fichier.get(), 0) && EcrireOctets(f, fichier.get(), ancien)) {
    f.SetEndOfFile(fichier.get());
    f.FlushFileBuffers(fichier.get());
  }
  throw ErreurEcriture();
}

}  // namespace

void EnregistrerSansPerte(const std::wstring& chemin, std::string_view octets, Fichiers& f) {
  std::wstring cible = CheminPourWindows(chemin);
  DWORD attributs = f.GetFileAttributesW(cible);
  const bool fichier = attributs != INVALID_FILE_ATTRIBUTES && !(attributs & FILE_ATTRIBUTE_DIRECTORY);
  if (fichier && (attributs & FILE_ATTRIBUTE_REPARSE_POINT)) {
    // A symbolic link: its file is the one saved, so that the link stays.
    const auto final = CheminFinal(f, cible);
    if (!final) throw ErreurCreation(chemin);
    cible = CheminPourWindows(*final);
    attributs = f.GetFileAttributesW(cible);
  }
  // A read-only file is the user's choice to keep it; Windows refuses a plain create over a hidden or system
  // file; a folder is never replaced.
  constexpr DWORD kIntouchable =
      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  const bool existe = attributs != INVALID_FILE_ATTRIBUTES;
  if (existe && (attributs & kIntouchable)) throw ErreurCreation(chemin);

  if (existe && SeulementInscriptible(f, cible)) {
    EcrireSurPlace(f, cible, octets, chemin);
    return;
  }
  Temporaire temporaire(f, cible);
  if (!temporaire.Cree()) {
    if (!existe) throw ErreurCreation(chemin);
    EcrireSurPlace(f, cible, octets, chemin);
    return;
  }
  if (!temporaire.Ecrire(octets)) throw ErreurEcriture();
  const Remplacement remplacement = Remplacer(f, temporaire.Nom(), cible, existe);
  if (remplacement.fait || remplacement.garderSource) temporaire.Garder();
  if (!remplacement.fait) throw ErreurCreation(chemin);
}

}  // namespace bilan
