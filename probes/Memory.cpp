#include "probes/ExamenRules.h"
#include "probes/Sondes.h"

namespace sondes {

int LireMemoire(ResultatsInspection& r, TSysInfo& sysInfo, Releve& releve) {
  // Rows 1, 3 and 5 of SysInfo's table, each its own query, read as bytes rather than as its 32-bit KB:
  // the virtual memory of a 64-bit process (8 or 128 TB) would pin the KB to their top.
  for (int ligne = 0; ligne < 3; ++ligne) {
    BOOL lu = FALSE;
    const MEMORYSTATUSEX e = sysInfo.EtatMemoire(&lu);
    releve.memoire.push_back({lu != FALSE, e.ullTotalPhys, e.ullAvailPhys, e.ullTotalVirtual, e.ullAvailVirtual,
                              e.ullTotalPageFile, e.ullAvailPageFile});
  }
  DecoderMemoire(releve, r);
  return 0;
}

}  // namespace sondes
