#include "probes/MemoryRules.h"
#include "probes/Sondes.h"

namespace sondes {

int LireMemoire(ResultatsInspection& r, TSysInfo& sysInfo) {
  // Rows 1, 3 and 5 of SysInfo's table, read as bytes rather than as its 32-bit KB: the virtual memory
  // of a 64-bit process (8 or 128 TB) would pin the KB to their top and show a wrong amount.
  r.TotalRAM = EnMo(sysInfo.GetInfoOctets(1));
  r.TotalVirtuel = EnMo(sysInfo.GetInfoOctets(3));
  r.TotalPage = EnMo(sysInfo.GetInfoOctets(5));
  return 0;
}

}  // namespace sondes
