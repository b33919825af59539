#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/Tardives.h"

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
              kErreurRemplacantImmobile2 == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
              kErreurNonImplementee == ERROR_CALL_NOT_IMPLEMENTED);
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

// NtSetInformationFile's classes and status block, as ntdll has them since Windows NT.
constexpr int kFileRenameInformation = 10;
constexpr int kFileDispositionInformation = 13;
struct BlocEtat {
  LONG status;
  ULONG_PTR information;
};

// What SetFileInformationByHandle does on Vista and later, for 2000 and XP: NtSetInformationFile, which it
// wraps, with the rename's name as an NT path.
Erreur InformationNt(HANDLE fichier, void* info, ULONG taille, int classe) {
  const auto poser = base::tardives::NtSetInformationFile();
  if (!poser) return ERROR_CALL_NOT_IMPLEMENTED;
  BlocEtat etat{};
  const LONG status = poser(fichier, &etat, info, taille, classe);
  if (status >= 0) return kSucces;
  const auto traduire = base::tardives::RtlNtStatusToDosError();
  return traduire ? traduire(status) : ERROR_GEN_FAILURE;
}

// FILE_RENAME_INFO, never over an existing file: the name ends it, its length in bytes without the final
// zero, which follows. NtSetInformationFile's FILE_RENAME_INFORMATION has the same layout.
std::vector<char> Renommage(const wchar_t* nom, size_t caracteres) {
  std::vector<char> tampon(sizeof(FILE_RENAME_INFO) + caracteres * sizeof(wchar_t));
  auto* renommage = reinterpret_cast<FILE_RENAME_INFO*>(tampon.data());
  renommage->ReplaceIfExists = FALSE;
  renommage->RootDirectory = nullptr;
  renommage->FileNameLength = static_cast<DWORD>(caracteres * sizeof(wchar_t));
  std::copy_n(nom, caracteres, renommage->FileName);
  return tampon;
}

Erreur RenommerNt(HANDLE fichier, const std::wstring& nom) {
  const auto convertir = base::tardives::RtlDosPathNameToNtPathName_U();
  UNICODE_STRING nt{};
  if (!convertir || !convertir(nom.c_str(), &nt, nullptr, nullptr)) return ERROR_CALL_NOT_IMPLEMENTED;
  std::vector<char> tampon = Renommage(nt.Buffer, nt.Length / sizeof(wchar_t));
  if (const auto liberer = base::tardives::RtlFreeUnicodeString()) liberer(&nt);
  return InformationNt(fichier, tampon.data(), static_cast<ULONG>(tampon.size()), kFileRenameInformation);
}

}  // namespace

FichiersWindows::FichiersWindows(bool avantVista) : avantVista_(avantVista) {}

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
  const auto poser = avantVista_ ? nullptr : base::tardives::SetFileInformationByHandle();
  if (!poser) return RenommerNt(fichier, info.nom);
  std::vector<char> tampon = Renommage(info.nom.data(), info.nom.size());
  return Resultat(poser(fichier, FileRenameInfo, tampon.data(), static_cast<DWORD>(tampon.size())));
}

Erreur FichiersWindows::SetFileInformationByHandle(Poignee fichier, const InfoSuppression& info) {
  FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(info.supprimer)};
  const auto poser = avantVista_ ? nullptr : base::tardives::SetFileInformationByHandle();
  if (!poser) return InformationNt(fichier, &disposition, sizeof disposition, kFileDispositionInformation);
  return Resultat(poser(fichier, FileDispositionInfo, &disposition, sizeof disposition));
}

Erreur FichiersWindows::GetFinalPathNameByHandleW(Poignee fichier, std::wstring& chemin) {
  // Without it (2000, XP), no file is a symbolic link: there is nothing to resolve.
  const auto demander = avantVista_ ? nullptr : base::tardives::GetFinalPathNameByHandleW();
  if (!demander) return kErreurNonImplementee;
  chemin.assign(32768, L'\0');
  const DWORD n =
      demander(fichier, chemin.data(), static_cast<DWORD>(chemin.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
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
  // REPLACEFILE_IGNORE_ACL_ERRORS exists from Vista on; earlier systems refuse a flag they do not know.
  const bool vista = !avantVista_ && LOBYTE(LOWORD(GetVersion())) >= 6;
  const DWORD options = REPLACEFILE_IGNORE_MERGE_ERRORS | (vista ? REPLACEFILE_IGNORE_ACL_ERRORS : 0);
  return Resultat(::ReplaceFileW(remplace.c_str(), remplacant.c_str(),
                                 sauvegarde.empty() ? nullptr : sauvegarde.c_str(), options, nullptr, nullptr));
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
