#include "probes/Sondes.h"

namespace sondes {

int LireCPU(ResultatsInspection&, TSysInfo&, Plateforme&) { return 0; }

}  // namespace sondes
