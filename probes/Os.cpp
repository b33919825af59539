#include <cstring>

#include "probes/OsRules.h"
#include "probes/Sondes.h"

namespace sondes {

int LireOS(ResultatsInspection& r, Plateforme& plateforme) {
  // The record lives with the findings; a failed query leaves it as it was (all zero from the start).
  static_assert(sizeof(OSVERSIONINFOA) == sizeof(VersionOS));
  r.VersionOSInfo.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  OSVERSIONINFOA version;
  std::memcpy(&version, &r.VersionOSInfo, sizeof version);
  plateforme.GetVersionExA(version);
  std::memcpy(static_cast<void*>(&r.VersionOSInfo), &version, sizeof version);

  const NomOS nom =
      ChoisirOS(r.VersionOSInfo.dwPlatformId, r.VersionOSInfo.dwMajorVersion, r.VersionOSInfo.dwMinorVersion);
  r.VerOS = nom.nom;
  r.CodeOS = nom.code;
  const char* csd = r.VersionOSInfo.szCSDVersion;
  r.AutreInfo.assign(csd, strnlen(csd, sizeof r.VersionOSInfo.szCSDVersion));
  return 0;
}

}  // namespace sondes
