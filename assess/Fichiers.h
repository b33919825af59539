#pragma once
// The file calls of the safe save, one road to the file system: Windows in the program, a fake in tests
// that plays what Windows documents where Wine or a root account cannot show it (folder rights, path
// lengths, what a replace keeps, links). Methods keep the platform's names and arguments.
#include <string>

#include <windows.h>

namespace bilan {

class Fichiers {
 public:
  virtual ~Fichiers() = default;
  virtual DWORD GetFileAttributesW(const std::wstring& chemin);
  // No security attributes and no template; `options` are the flags and attributes.
  virtual HANDLE CreateFileW(const std::wstring& chemin, DWORD acces, DWORD partage, DWORD creation, DWORD options);
  virtual BOOL ReadFile(HANDLE fichier, void* octets, DWORD taille, DWORD* lus);
  virtual BOOL WriteFile(HANDLE fichier, const void* octets, DWORD taille, DWORD* ecrits);
  // From the file's start; the new position is not asked for.
  virtual BOOL SetFilePointerEx(HANDLE fichier, LONGLONG position);
  virtual BOOL SetEndOfFile(HANDLE fichier);
  virtual BOOL FlushFileBuffers(HANDLE fichier);
  virtual BOOL CloseHandle(HANDLE fichier);
  virtual DWORD GetFinalPathNameByHandleW(HANDLE fichier, wchar_t* chemin, DWORD taille, DWORD options);
  virtual BOOL MoveFileExW(const std::wstring& source, const std::wstring& cible, DWORD options);
  virtual BOOL ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant,
                            const std::wstring& sauvegarde, DWORD options);
  virtual BOOL DeleteFileW(const std::wstring& chemin);
  virtual void Sleep(DWORD millisecondes);
};

Fichiers& FichiersDuSysteme();

}  // namespace bilan
