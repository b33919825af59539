#include "assess/Fichiers.h"

namespace bilan {

DWORD Fichiers::GetFileAttributesW(const std::wstring& chemin) { return ::GetFileAttributesW(chemin.c_str()); }

HANDLE Fichiers::CreateFileW(const std::wstring& chemin, DWORD acces, DWORD partage, DWORD creation, DWORD options) {
  return ::CreateFileW(chemin.c_str(), acces, partage, nullptr, creation, options, nullptr);
}

BOOL Fichiers::ReadFile(HANDLE fichier, void* octets, DWORD taille, DWORD* lus) {
  return ::ReadFile(fichier, octets, taille, lus, nullptr);
}

BOOL Fichiers::WriteFile(HANDLE fichier, const void* octets, DWORD taille, DWORD* ecrits) {
  return ::WriteFile(fichier, octets, taille, ecrits, nullptr);
}

BOOL Fichiers::SetFilePointerEx(HANDLE fichier, LONGLONG position) {
  LARGE_INTEGER distance;
  distance.QuadPart = position;
  return ::SetFilePointerEx(fichier, distance, nullptr, FILE_BEGIN);
}

BOOL Fichiers::SetEndOfFile(HANDLE fichier) { return ::SetEndOfFile(fichier); }
BOOL Fichiers::FlushFileBuffers(HANDLE fichier) { return ::FlushFileBuffers(fichier); }
BOOL Fichiers::CloseHandle(HANDLE fichier) { return ::CloseHandle(fichier); }

DWORD Fichiers::GetFinalPathNameByHandleW(HANDLE fichier, wchar_t* chemin, DWORD taille, DWORD options) {
  return ::GetFinalPathNameByHandleW(fichier, chemin, taille, options);
}

BOOL Fichiers::MoveFileExW(const std::wstring& source, const std::wstring& cible, DWORD options) {
  return ::MoveFileExW(source.c_str(), cible.c_str(), options);
}

BOOL Fichiers::ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant,
                            const std::wstring& sauvegarde, DWORD options) {
  return ::ReplaceFileW(remplace.c_str(), remplacant.c_str(), sauvegarde.empty() ? nullptr : sauvegarde.c_str(),
                        options, nullptr, nullptr);
}

BOOL Fichiers::DeleteFileW(const std::wstring& chemin) { return ::DeleteFileW(chemin.c_str()); }
void Fichiers::Sleep(DWORD millisecondes) { ::Sleep(millisecondes); }

Fichiers& FichiersDuSysteme() {
  static Fichiers systeme;
  return systeme;
}

}  // namespace bilan
