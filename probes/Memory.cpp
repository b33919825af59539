#include "probes/Sondes.h"

namespace sondes {

int LireMemoire(ResultatsInspection&, TSysInfo&) { return 0; }

}  // namespace sondes
