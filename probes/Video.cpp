#include "probes/Sondes.h"

namespace sondes {

int LireCarteVideo(ResultatsInspection&, TSysInfo&, Plateforme&) { return 0; }

}  // namespace sondes
