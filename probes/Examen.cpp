#include "probes/Sondes.h"

namespace sondes {

void Inspecter(ResultatsInspection& r, Releve& releve, TSysInfo& sysInfo, Plateforme& plateforme) {
  r.MarqueVideo = "Inconnue";
  r.VerDrv = "Inconnue";
  LireMemoire(r, sysInfo, releve);
  LireCarteVideo(r, sysInfo, plateforme, releve);
  LireCPU(r, sysInfo, plateforme, releve);
  LireOS(r, plateforme, releve);
}

}  // namespace sondes
