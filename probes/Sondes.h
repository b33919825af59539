#pragma once
// The probes. Each fills its fields of the findings from the platform and returns 0, which nobody reads;
// none reports a failure: what it cannot read keeps its default.
#include "probes/Plateforme.h"
#include "probes/Resultats.h"
#include "probes/SysInfo.h"

namespace sondes {

int LireMemoire(ResultatsInspection& r, TSysInfo& sysInfo);
int LireCarteVideo(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme);
int LireCPU(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme);
int LireOS(ResultatsInspection& r, Plateforme& plateforme);

}  // namespace sondes
