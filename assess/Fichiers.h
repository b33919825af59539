#pragma once
// The file calls of the safe save, one road to the file system: Windows in the program, an in-memory file
// system in tests that plays what Windows documents. Portable: each call returns its Win32 error code (0 on
// success) rather than leaving it in the thread's last error, and the constants below carry Win32's values.
// Methods keep the platform's names; their arguments are narrowed to what the save uses.
#include <cstdint>
#include <string>

namespace bilan {

using Erreur = uint32_t;  // a Win32 error code; 0: success
using Poignee = void*;    // an open file; nullptr: none

inline constexpr Erreur kSucces = 0;
inline constexpr Erreur kErreurFichierIntrouvable = 2;      // ERROR_FILE_NOT_FOUND
inline constexpr Erreur kErreurCheminIntrouvable = 3;       // ERROR_PATH_NOT_FOUND
inline constexpr Erreur kErreurAccesRefuse = 5;             // ERROR_ACCESS_DENIED
inline constexpr Erreur kErreurPoigneeInvalide = 6;         // ERROR_INVALID_HANDLE
inline constexpr Erreur kErreurPartage = 32;                // ERROR_SHARING_VIOLATION
inline constexpr Erreur kErreurVerrou = 33;                 // ERROR_LOCK_VIOLATION
inline constexpr Erreur kErreurReseauPerdu = 64;            // ERROR_NETNAME_DELETED
inline constexpr Erreur kErreurFichierExistant = 80;        // ERROR_FILE_EXISTS
inline constexpr Erreur kErreurParametre = 87;              // ERROR_INVALID_PARAMETER
inline constexpr Erreur kErreurDisquePlein = 112;           // ERROR_DISK_FULL
inline constexpr Erreur kErreurNonImplementee = 120;        // ERROR_CALL_NOT_IMPLEMENTED
inline constexpr Erreur kErreurDejaExistant = 183;          // ERROR_ALREADY_EXISTS
inline constexpr Erreur kErreurRemplaceIndelebile = 1175;   // ERROR_UNABLE_TO_REMOVE_REPLACED
inline constexpr Erreur kErreurRemplacantImmobile = 1176;   // ERROR_UNABLE_TO_MOVE_REPLACEMENT
inline constexpr Erreur kErreurRemplacantImmobile2 = 1177;  // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2

inline constexpr uint32_t kAttributLectureSeule = 0x1;  // FILE_ATTRIBUTE_READONLY
inline constexpr uint32_t kAttributCache = 0x2;         // FILE_ATTRIBUTE_HIDDEN
inline constexpr uint32_t kAttributSysteme = 0x4;       // FILE_ATTRIBUTE_SYSTEM
inline constexpr uint32_t kAttributDossier = 0x10;      // FILE_ATTRIBUTE_DIRECTORY
inline constexpr uint32_t kAttributArchive = 0x20;      // FILE_ATTRIBUTE_ARCHIVE
inline constexpr uint32_t kAttributNormal = 0x80;       // FILE_ATTRIBUTE_NORMAL
inline constexpr uint32_t kAttributLien = 0x400;        // FILE_ATTRIBUTE_REPARSE_POINT
inline constexpr uint32_t kAttributNonIndexe = 0x2000;  // FILE_ATTRIBUTE_NOT_CONTENT_INDEXED

inline constexpr uint32_t kAccesLecture = 0x80000000u;      // GENERIC_READ
inline constexpr uint32_t kAccesEcriture = 0x40000000u;     // GENERIC_WRITE
inline constexpr uint32_t kAccesSuppression = 0x00010000u;  // DELETE
inline constexpr uint32_t kPartageTout = 0x7;               // FILE_SHARE_READ | _WRITE | _DELETE
inline constexpr uint32_t kCreerNouveau = 1;                // CREATE_NEW
inline constexpr uint32_t kOuvrirExistant = 3;              // OPEN_EXISTING
inline constexpr uint32_t kDeplacerRemplacer = 0x1;         // MOVEFILE_REPLACE_EXISTING
inline constexpr uint32_t kDeplacerEcritureDirecte = 0x8;   // MOVEFILE_WRITE_THROUGH

// FILE_RENAME_INFO, never over an existing file (ReplaceIfExists FALSE, no root folder).
struct InfoRenommage {
  std::wstring nom;
};
// FILE_DISPOSITION_INFO: the file goes when its last handle is closed.
struct InfoSuppression {
  bool supprimer = true;
};

class Fichiers {
 public:
  virtual ~Fichiers() = default;
  virtual Erreur GetFileAttributesW(const std::wstring& chemin, uint32_t& attributs) = 0;
  // No security attributes and no template; `options` are the flags and attributes.
  virtual Erreur CreateFileW(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation,
                             uint32_t options, Poignee& fichier) = 0;
  virtual Erreur ReadFile(Poignee fichier, void* octets, uint32_t taille, uint32_t& lus) = 0;
  virtual Erreur WriteFile(Poignee fichier, const void* octets, uint32_t taille, uint32_t& ecrits) = 0;
  // From the file's start; the new position is not asked for.
  virtual Erreur SetFilePointerEx(Poignee fichier, int64_t position) = 0;
  virtual Erreur SetEndOfFile(Poignee fichier) = 0;
  virtual Erreur FlushFileBuffers(Poignee fichier) = 0;
  // The handle is gone even when the close fails, as when it reports a delayed write that was lost.
  virtual Erreur CloseHandle(Poignee fichier) = 0;
  // Both need the handle to hold DELETE access.
  virtual Erreur SetFileInformationByHandle(Poignee fichier, const InfoRenommage& info) = 0;
  virtual Erreur SetFileInformationByHandle(Poignee fichier, const InfoSuppression& info) = 0;
  // The normalized path with its drive letter, in the long form "\\?\"; kErreurNonImplementee where the
  // system has no such call (2000, XP), and so no file symbolic links.
  virtual Erreur GetFinalPathNameByHandleW(Poignee fichier, std::wstring& chemin) = 0;
  virtual Erreur MoveFileExW(const std::wstring& source, const std::wstring& cible, uint32_t options) = 0;
  // With REPLACEFILE_IGNORE_MERGE_ERRORS, and REPLACEFILE_IGNORE_ACL_ERRORS where the system knows it (Vista
  // on); an empty `sauvegarde`: none.
  virtual Erreur ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant,
                              const std::wstring& sauvegarde) = 0;
  virtual Erreur DeleteFileW(const std::wstring& chemin) = 0;
  // The path from the current folder as the system resolves it, '.' and '..' gone. A device name may become the
  // device: Windows 7 to 10 answer "\\.\nul" for "nul.txt" in any folder, Windows 11 only for a name alone.
  virtual Erreur GetFullPathNameW(const std::wstring& chemin, std::wstring& complet) = 0;
  virtual void Sleep(uint32_t millisecondes) = 0;
  // A number that differs from one save to the next (time and process): it picks the temporary names.
  virtual uint32_t Graine() = 0;
};

// Windows' file system (Windows builds only).
Fichiers& FichiersDuSysteme();

}  // namespace bilan
