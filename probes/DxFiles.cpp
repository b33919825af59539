#include "probes/DxFiles.h"

#include <memory>
#include <new>
#include <string>

#include "base/Texte.h"
#include "probes/DxFilesRules.h"
#include "probes/ExamenRules.h"

namespace sondes {

HRESULT LireVersionFichier(Plateforme& plateforme, const char* chemin, uint64_t* version) {
  if (!chemin || !version) return E_INVALIDARG;
  const DWORD taille = plateforme.GetFileVersionInfoSizeA(chemin);
  if (taille == 0) return E_FAIL;
  std::unique_ptr<BYTE[]> bloc(new (std::nothrow) BYTE[taille]);
  if (!bloc) return E_OUTOFMEMORY;
  if (!plateforme.GetFileVersionInfoA(chemin, taille, bloc.get())) return E_FAIL;
  void* valeur = nullptr;
  UINT longueur = 0;
  // A record shorter than the fixed information would be read past its end.
  if (!plateforme.VerQueryValueA(bloc.get(), "\\", &valeur, &longueur) || !valeur ||
      longueur < sizeof(VS_FIXEDFILEINFO))
    return E_FAIL;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(valeur);
  *version = uint64_t{info->dwFileVersionMS} << 32 | info->dwFileVersionLS;
  return S_OK;
}

void LireVersionsDx(Plateforme& plateforme, Releve& releve) {
  char repertoire[512] = {};
  if (plateforme.GetSystemDirectoryA(repertoire, 260) == 0) return;
  // A longer name is cut to 259 characters before the file names are appended.
  repertoire[259] = '\0';
  releve.repertoireSysteme = base::Utf8DepuisAnsi(repertoire);
  // The table says which files, in which order; each answer is kept.
  EvaluerTableDx(
      [&](const char* fichier) -> std::optional<uint64_t> {
        const std::string chemin = std::string(repertoire) + "\\" + fichier;
        uint64_t version = 0;
        std::optional<uint64_t> lue;
        if (SUCCEEDED(LireVersionFichier(plateforme, chemin.c_str(), &version))) lue = version;
        releve.fichiersDx.push_back({fichier, lue});
        return lue;
      },
      nullptr, nullptr, nullptr);
}

int VersionDxParFichiers(Plateforme& plateforme, uint32_t* majeur, uint32_t* mineur, char* lettre) {
  Releve releve;
  LireVersionsDx(plateforme, releve);
  return VersionDxDuReleve(releve, majeur, mineur, lettre);
}

}  // namespace sondes
