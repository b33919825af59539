#include "probes/Sondes.h"

#include "base/Texte.h"
#include "base/Textes.h"

namespace sondes {

void Inspecter(ResultatsInspection& r, Releve& releve, TSysInfo& sysInfo, Plateforme& plateforme) {
  r.MarqueVideo = r.VerDrv = base::VersAnsi(base::Dire(base::Texte::Inconnue)).value_or("");
  LireMemoire(r, sysInfo, releve);
  LireCarteVideo(r, sysInfo, plateforme, releve);
  LireCPU(r, sysInfo, plateforme, releve);
  LireOS(r, plateforme, releve);
}

}  // namespace sondes
