#include "base/Texte.h"
#include "probes/ExamenRules.h"
#include "probes/Sondes.h"

#include <cstring>
#include <cwchar>

namespace sondes {
namespace {

std::string Texte(const char* t) { return t ? base::Utf8DepuisAnsi(t) : std::string(); }

}  // namespace

int LireOS(ResultatsInspection& r, Plateforme& plateforme, Releve& releve) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  VersionSysteme& v = releve.versionEx;
  v.lu = plateforme.GetVersionExA(version) != FALSE;  // a failed query leaves the record all zero
  v.majeure = version.dwMajorVersion;
  v.mineure = version.dwMinorVersion;
  v.build = version.dwBuildNumber;
  v.plateforme = version.dwPlatformId;
  v.csd = base::Utf8DepuisAnsi(std::string_view(version.szCSDVersion, strnlen(version.szCSDVersion, 128)));

  // What the system is, whatever it tells this program: the true version, and Wine with its host.
  OSVERSIONINFOEXW vraie{};
  vraie.dwOSVersionInfoSize = sizeof vraie;
  if (plateforme.RtlGetVersion(vraie) >= 0)
    releve.vraieVersion =
        VersionSysteme{true,
                       vraie.dwMajorVersion,
                       vraie.dwMinorVersion,
                       vraie.dwBuildNumber,
                       vraie.dwPlatformId,
                       base::VersUtf8(std::wstring_view(vraie.szCSDVersion, wcsnlen(vraie.szCSDVersion, 128))),
                       vraie.wProductType};
  // The edition tells a multi-session client, which says it is a server by its product type, from a server.
  if (releve.vraieVersion && vraie.dwMajorVersion >= 6) {
    DWORD produit = 0;
    const bool lu = plateforme.GetProductInfo(vraie.dwMajorVersion, vraie.dwMinorVersion, vraie.wServicePackMajor,
                                              vraie.wServicePackMinor, &produit) != FALSE;
    releve.produit = std::pair<bool, uint32_t>{lu, lu ? produit : 0};
  }
  if (const char* wine = plateforme.wine_get_version()) releve.wine = Texte(wine);
  const char *systeme = nullptr, *hote = nullptr;
  if (plateforme.wine_get_host_version(&systeme, &hote))
    releve.hoteWine = std::array<std::string, 2>{Texte(systeme), Texte(hote)};

  DecoderOS(releve, r, base::AnsiDepuisUtf8);
  return 0;
}

}  // namespace sondes
