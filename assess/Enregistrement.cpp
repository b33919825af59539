#include "assess/Enregistrement.h"

#include <algorithm>

#include "assess/EnregistrementRules.h"
#include "ui/Exception.h"
#include "ui/Win.h"

namespace rapport {
namespace {

// The temporary file: open while it is written, removed unless it became the target.
class Temporaire {
 public:
  explicit Temporaire(const std::wstring& cible) {
    const uint32_t graine = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (uint32_t essai = 0; essai < 64; ++essai) {
      nom_ = NomTemporaire(cible, graine + essai);
      // A new name only: never write into a file someone else owns.
      fichier_ = CreateFileW(nom_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      const DWORD erreur = GetLastError();
      if (fichier_ != INVALID_HANDLE_VALUE || (erreur != ERROR_FILE_EXISTS && erreur != ERROR_ALREADY_EXISTS)) break;
    }
    if (fichier_ == INVALID_HANDLE_VALUE) nom_.clear();
  }
  ~Temporaire() {
    Fermer();
    if (!nom_.empty()) DeleteFileW(nom_.c_str());
  }
  Temporaire(const Temporaire&) = delete;
  Temporaire& operator=(const Temporaire&) = delete;

  bool Cree() const { return !nom_.empty(); }
  const std::wstring& Nom() const { return nom_; }

  // Every byte on the disk, or false.
  bool Ecrire(std::string_view octets) {
    while (!octets.empty()) {
      DWORD ecrits = 0;
      const auto morceau = static_cast<DWORD>(std::min<size_t>(octets.size(), 1u << 30));
      if (!WriteFile(fichier_, octets.data(), morceau, &ecrits, nullptr) || ecrits == 0) return false;
      octets.remove_prefix(ecrits);
    }
    // A close can still report a failed delayed write.
    return FlushFileBuffers(fichier_) && Fermer();
  }

  // The file is now the target's: nothing left to remove.
  void Garder() { nom_.clear(); }

 private:
  bool Fermer() {
    const bool ferme = fichier_ == INVALID_HANDLE_VALUE || CloseHandle(fichier_);
    fichier_ = INVALID_HANDLE_VALUE;
    return ferme;
  }

  std::wstring nom_;
  HANDLE fichier_ = INVALID_HANDLE_VALUE;  // closed before the file is moved or removed
};

bool RemplacementARefaire(DWORD erreur) {
  // Someone (a scanner, an indexer, an editor) may hold the target for a moment.
  return erreur == ERROR_SHARING_VIOLATION || erreur == ERROR_LOCK_VIOLATION || erreur == ERROR_ACCESS_DENIED;
}

bool Remplacer(const std::wstring& source, const std::wstring& cible) {
  // A read-only file is the user's choice to keep it, and a move would ignore that; a folder is never
  // replaced. Neither needs the retries.
  const DWORD attributs = GetFileAttributesW(cible.c_str());
  if (attributs != INVALID_FILE_ATTRIBUTES && (attributs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  for (int essai = 1;; ++essai) {
    if (MoveFileExW(source.c_str(), cible.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (essai == kEssaisRemplacement || !RemplacementARefaire(GetLastError())) return false;
    Sleep(kPauseRemplacementMs);
  }
}

}  // namespace

void EnregistrerSansPerte(const std::wstring& chemin, std::string_view octets) {
  Temporaire temporaire(chemin);
  if (!temporaire.Cree()) throw ui::Exception(L"Impossible de créer le fichier " + chemin);
  if (!temporaire.Ecrire(octets)) throw ui::Exception(L"Erreur d'écriture dans le flux");
  if (!Remplacer(temporaire.Nom(), chemin)) throw ui::Exception(L"Impossible de créer le fichier " + chemin);
  temporaire.Garder();
}

}  // namespace rapport
