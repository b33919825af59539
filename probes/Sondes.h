#pragma once
// The probes. Each gathers the platform's answers into the relevé, then fills its fields of the findings
// from them through the rules (ExamenRules.h), and returns 0, which nobody reads; none reports a
// failure: what it cannot read keeps its default.
#include "probes/Plateforme.h"
#include "probes/Releve.h"
#include "probes/Resultats.h"
#include "probes/SysInfo.h"

namespace sondes {

int LireMemoire(ResultatsInspection& r, TSysInfo& sysInfo, Releve& releve);
int LireCarteVideo(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme, Releve& releve);
int LireCPU(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme, Releve& releve);
int LireOS(ResultatsInspection& r, Plateforme& plateforme, Releve& releve);

// One inspection run: the run's probes in their order, on `sysInfo` (created with the window, before the
// run) and `plateforme`, into the findings `r` and this machine's relevé. A probe that throws ends the run
// at its step, the findings of the steps before it kept.
void Inspecter(ResultatsInspection& r, Releve& releve, TSysInfo& sysInfo, Plateforme& plateforme);

}  // namespace sondes
