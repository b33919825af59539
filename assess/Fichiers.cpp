#include <windows.h>

#include <vector>

#include "assess/FichiersWindows.h"

namespace bilan {

// The portable constants are Win32's.
static_assert(kErreurFichierIntrouvable == ERROR_FILE_NOT_FOUND && kErreurCheminIntrouvable == ERROR_PATH_NOT_FOUND &&
              kErreurAccesRefuse == ERROR_ACCESS_DENIED && kErreurPoigneeInvalide == ERROR_INVALID_HANDLE &&
              kErreurPartage == ERROR_SHARING_VIOLATION && kErreurVerrou == ERROR_LOCK_VIOLATION &&
              kErreurReseauPerdu == ERROR_NETNAME_DELETED && kErreurFichierExistant == ERROR_FILE_EXISTS &&
              kErreurParametre == ERROR_INVALID_PARAMETER && kErreurDisquePlein == ERROR_DISK_FULL &&
              kErreurDejaExistant == ERROR_ALREADY_EXISTS &&
              kErreurRemplaceIndelebile == ERROR_UNABLE_TO_REMOVE_REPLACED &&
              kErreurRemplacantImmobile == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
              kErreurRemplacantImmobile2 == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
static_assert(kAttributLectureSeule == FILE_ATTRIBUTE_READONLY && kAttributCache == FILE_ATTRIBUTE_HIDDEN &&
              kAttributSysteme == FILE_ATTRIBUTE_SYSTEM && kAttributDossier == FILE_ATTRIBUTE_DIRECTORY &&
              kAttributArchive == FILE_ATTRIBUTE_ARCHIVE && kAttributNormal == FILE_ATTRIBUTE_NORMAL &&
              kAttributLien == FILE_ATTRIBUTE_REPARSE_POINT &&
              kAttributNonIndexe == FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
static_assert(kAccesLecture == GENERIC_READ && kAccesEcriture == GENERIC_WRITE && kAccesSuppression == DELETE &&
              kPartageTout == (FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE) && kCreerNouveau == CREATE_NEW &&
              kOuvrirExistant == OPEN_EXISTING && kDeplacerRemplacer == MOVEFILE_REPLACE_EXISTING &&
              kDeplacerEcritureDirecte == MOVEFILE_WRITE_THROUGH);

namespace {
Erreur Resultat(BOOL fait) { return fait ? kSucces : GetLastError(); }
}  // namespace

Erreur FichiersWindows::GetFileAttributesW(const std::wstring& chemin, uint32_t& attributs) {
  attributs = ::GetFileAttributesW(chemin.c_str());
  return attributs != INVALID_FILE_ATTRIBUTES ? kSucces : GetLastError();
}

Erreur FichiersWindows::CreateFileW(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation,
                                    uint32_t options, Poignee& fichier) {
  const HANDLE h = ::CreateFileW(chemin.c_str(), acces, partage, nullptr, creation, options, nullptr);
  fichier = h != INVALID_HANDLE_VALUE ? h : nullptr;
  return fichier ? kSucces : GetLastError();
}

Erreur FichiersWindows::ReadFile(Poignee fichier, void* octets, uint32_t taille, uint32_t& lus) {
  DWORD n = 0;
  const Erreur e = Resultat(::ReadFile(fichier, octets, taille, &n, nullptr));
  lus = n;
  return e;
}

Erreur FichiersWindows::WriteFile(Poignee fichier, const void* octets, uint32_t taille, uint32_t& ecrits) {
  DWORD n = 0;
  const Erreur e = Resultat(::WriteFile(fichier, octets, taille, &n, nullptr));
  ecrits = n;
  return e;
}

Erreur FichiersWindows::SetFilePointerEx(Poignee fichier, int64_t position) {
  LARGE_INTEGER distance;
  distance.QuadPart = position;
  return Resultat(::SetFilePointerEx(fichier, distance, nullptr, FILE_BEGIN));
}

Erreur FichiersWindows::SetEndOfFile(Poignee fichier) { return Resultat(::SetEndOfFile(fichier)); }
Erreur FichiersWindows::FlushFileBuffers(Poignee fichier) { return Resultat(::FlushFileBuffers(fichier)); }
Erreur FichiersWindows::CloseHandle(Poignee fichier) { return Resultat(::CloseHandle(fichier)); }

Erreur FichiersWindows::SetFileInformationByHandle(Poignee fichier, const InfoRenommage& info) {
  // FILE_RENAME_INFO ends with the name, its length in bytes without the final zero, which follows.
  std::vector<char> tampon(sizeof(FILE_RENAME_INFO) + info.nom.size() * sizeof(wchar_t));
  auto* renommage = reinterpret_cast<FILE_RENAME_INFO*>(tampon.data());
  renommage->ReplaceIfExists = FALSE;
  renommage->RootDirectory = nullptr;
  renommage->FileNameLength = static_cast<DWORD>(info.nom.size() * sizeof(wchar_t));
  info.nom.copy(renommage->FileName, info.nom.size());
  return Resultat(::SetFileInformationByHandle(fichier, FileRenameInfo, renommage, static_cast<DWORD>(tampon.size())));
}

Erreur FichiersWindows::SetFileInformationByHandle(Poignee fichier, const InfoSuppression& info) {
  FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(info.supprimer)};
  return Resultat(::SetFileInformationByHandle(fichier, FileDispositionInfo, &disposition, sizeof disposition));
}

Erreur FichiersWindows::GetFinalPathNameByHandleW(Poignee fichier, std::wstring& chemin) {
  chemin.assign(32768, L'\0');
  const DWORD n = ::GetFinalPathNameByHandleW(fichier, chemin.data(), static_cast<DWORD>(chemin.size()),
                                              FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n == 0) return GetLastError();
  if (n >= chemin.size()) return ERROR_FILENAME_EXCED_RANGE;
  chemin.resize(n);
  return kSucces;
}

Erreur FichiersWindows::MoveFileExW(const std::wstring& source, const std::wstring& cible, uint32_t options) {
  return Resultat(::MoveFileExW(source.c_str(), cible.c_str(), options));
}

Erreur FichiersWindows::ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant,
                                     const std::wstring& sauvegarde) {
  return Resultat(::ReplaceFileW(remplace.c_str(), remplacant.c_str(),
                                 sauvegarde.empty() ? nullptr : sauvegarde.c_str(),
                                 REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr));
}

Erreur FichiersWindows::DeleteFileW(const std::wstring& chemin) { return Resultat(::DeleteFileW(chemin.c_str())); }
void FichiersWindows::Sleep(uint32_t millisecondes) { ::Sleep(millisecondes); }
uint32_t FichiersWindows::Graine() { return GetTickCount() ^ (GetCurrentProcessId() << 16); }

Erreur FichiersWindows::GetFullPathNameW(const std::wstring& chemin, std::wstring& complet) {
  complet.assign(32768, L'\0');
  const DWORD n = ::GetFullPathNameW(chemin.c_str(), static_cast<DWORD>(complet.size()), complet.data(), nullptr);
  if (n == 0) return GetLastError();
  if (n >= complet.size()) return ERROR_FILENAME_EXCED_RANGE;
  complet.resize(n);
  return kSucces;
}

Fichiers& FichiersDuSysteme() {
  static FichiersWindows systeme;
  return systeme;
}

}  // namespace bilan
