#pragma once
// Windows' side of the file seam: each call as the system makes it, its last error as the result.
#include "assess/Fichiers.h"

namespace bilan {

class FichiersWindows : public Fichiers {
 public:
  // `avantVista`: as on Windows 2000 and XP, without the calls that later systems add, so that the tests
  // under Wine, which has them all, take the same roads.
  explicit FichiersWindows(bool avantVista = false);
  Erreur GetFileAttributesW(const std::wstring& chemin, uint32_t& attributs) override;
  Erreur CreateFileW(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation, uint32_t options,
                     Poignee& fichier) override;
  Erreur ReadFile(Poignee fichier, void* octets, uint32_t taille, uint32_t& lus) override;
  Erreur WriteFile(Poignee fichier, const void* octets, uint32_t taille, uint32_t& ecrits) override;
  Erreur SetFilePointerEx(Poignee fichier, int64_t position) override;
  Erreur SetEndOfFile(Poignee fichier) override;
  Erreur FlushFileBuffers(Poignee fichier) override;
  Erreur CloseHandle(Poignee fichier) override;
  Erreur SetFileInformationByHandle(Poignee fichier, const InfoRenommage& info) override;
  Erreur SetFileInformationByHandle(Poignee fichier, const InfoSuppression& info) override;
  Erreur GetFinalPathNameByHandleW(Poignee fichier, std::wstring& chemin) override;
  Erreur MoveFileExW(const std::wstring& source, const std::wstring& cible, uint32_t options) override;
  Erreur ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant,
                      const std::wstring& sauvegarde) override;
  Erreur DeleteFileW(const std::wstring& chemin) override;
  Erreur GetFullPathNameW(const std::wstring& chemin, std::wstring& complet) override;
  void Sleep(uint32_t millisecondes) override;
  uint32_t Graine() override;

 private:
  bool avantVista_;
};

}  // namespace bilan
