#pragma once
// An in-memory file system with Windows' documented rules, for the safe save's table: a path of MAX_PATH
// characters or more needs the long form "\\?\"; a folder may refuse new files, or refuse deletion and
// renaming to all but the creator of a file through the handle it created (the ReplaceFileW remarks);
// ReplaceFileW keeps the replaced file's attributes, creation time and streams, where MoveFileExW puts the
// moved file in the target's place, and a failed replace leaves the files as its return value documents; a
// symbolic link is followed when a file is opened, but moved and replaced as a link; a held file refuses the
// calls that need it by name with ERROR_SHARING_VIOLATION, and a replace refused by a held target leaves
// Wine's own temporary file beside it; GetFullPathNameW turns a reserved device name into the device as
// Windows 7 to 10 do, or as Windows 11 does. Pauses are added up, not waited.
#include <map>
#include <set>
#include <string>

#include "assess/Fichiers.h"

class FichiersDocumentes : public bilan::Fichiers {
 public:
  struct Fichier {
    std::string contenu;
    uint32_t attributs = bilan::kAttributArchive;
    int creation = 0;             // kept by a replace, new with a create
    std::set<std::wstring> flux;  // alternate data streams
    std::wstring lien;            // a symbolic link to that path; empty for a file
    bool operator==(const Fichier&) const = default;
  };
  std::map<std::wstring, Fichier> fichiers;  // by full path, without the long-form prefix
  std::set<std::wstring> absents;            // folders (with their final '\') that do not exist
  std::set<std::wstring> sansCreation;       // folders where no file may be added
  std::set<std::wstring> sansSuppression;    // folders where no file may be deleted or renamed by name
  // Held files, by path: that many calls that need the file by name (an open, a move, a replace, a delete)
  // are refused before the holder lets go.
  std::map<std::wstring, int> tenus;
  int tenueApres = 0;             // a scanner holds each file that a move or a replace has just named or changed
  bool disquePlein = false;       // a write past a file's end writes what fits, then fails
  bool ecritureDifferee = false;  // every flush reports a delayed write that the volume lost
  bool echecFermeture = false;    // so does the close of every handle that wrote
  bool sansRenommage = false;     // a file system that cannot rename through a handle
  bool sansCheminFinal = false;   // Windows 2000 and XP: no GetFinalPathNameByHandleW, no symbolic links
  bilan::Erreur echecRemplacement = bilan::kSucces;  // what ReplaceFileW returns, the files left as documented
  int reussitApres = 0;                              // that many replaces fail so, then they succeed; 0: all fail
  unsigned pausesMs = 0;                             // every pause of the save, added up
  std::wstring dossierCourant = L"C:\\Jeux\\";       // where a relative path starts
  // GetFullPathNameW as Windows 11 answers it: CON, AUX, COM1... are devices only as a name alone, NUL also as a
  // path's last name, and never with an extension; else as Windows 7 to 10, which take "C:\\x\\nul.txt" for NUL.
  bool windows11 = false;

  bilan::Erreur GetFileAttributesW(const std::wstring& chemin, uint32_t& attributs) override;
  bilan::Erreur CreateFileW(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation,
                            uint32_t options, bilan::Poignee& fichier) override;
  bilan::Erreur ReadFile(bilan::Poignee fichier, void* octets, uint32_t taille, uint32_t& lus) override;
  bilan::Erreur WriteFile(bilan::Poignee fichier, const void* octets, uint32_t taille, uint32_t& ecrits) override;
  bilan::Erreur SetFilePointerEx(bilan::Poignee fichier, int64_t position) override;
  bilan::Erreur SetEndOfFile(bilan::Poignee fichier) override;
  bilan::Erreur FlushFileBuffers(bilan::Poignee) override;
  bilan::Erreur CloseHandle(bilan::Poignee fichier) override;
  bilan::Erreur SetFileInformationByHandle(bilan::Poignee fichier, const bilan::InfoRenommage& info) override;
  bilan::Erreur SetFileInformationByHandle(bilan::Poignee fichier, const bilan::InfoSuppression& info) override;
  bilan::Erreur GetFinalPathNameByHandleW(bilan::Poignee fichier, std::wstring& chemin) override;
  bilan::Erreur MoveFileExW(const std::wstring& source, const std::wstring& cible, uint32_t options) override;
  bilan::Erreur ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant,
                             const std::wstring& sauvegarde) override;
  bilan::Erreur DeleteFileW(const std::wstring& chemin) override;
  bilan::Erreur GetFullPathNameW(const std::wstring& chemin, std::wstring& complet) override;
  void Sleep(uint32_t millisecondes) override { pausesMs += millisecondes; }
  size_t Ouverts() const { return ouverts_.size(); }
  uint32_t Graine() override { return 0; }

 private:
  struct Ouvert {
    std::wstring chemin;
    size_t position = 0;
    uint32_t acces = 0;
    bool ecrit = false;
    bool supprimer = false;
  };
  // The path without its long form; ERROR_PATH_NOT_FOUND when a short form passes MAX_PATH.
  bilan::Erreur Chemin(const std::wstring& demande, std::wstring& chemin) const;
  bool Indelebile(const std::wstring& chemin) const;
  // Whether someone holds the file at `chemin`, which costs the holder one of its refusals.
  bool Tenu(const std::wstring& chemin);
  void Tenir(const std::wstring& chemin) {
    if (tenueApres) tenus[chemin] = tenueApres;
  }
  Ouvert& Ouverte(bilan::Poignee fichier) { return ouverts_.at(fichier); }
  std::map<bilan::Poignee, Ouvert> ouverts_;
  int horloge_ = 100;
  int remplacementsRates_ = 0;
  intptr_t prochain_ = 0x1000;
};
