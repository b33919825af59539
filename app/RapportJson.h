#pragma once
// The JSON report of an inspection, from its relevé and the findings the window shows.
#include <string>

#include "probes/Constats.h"
#include "probes/Resultats.h"

namespace appli {

// UTF-8 without a BOM: the run's facts, each tab with the verdict and comments that the window shows for the
// findings made from them.
std::string OctetsRapportJson(const sondes::Constats& constats, const sondes::ResultatsInspection& r);

}  // namespace appli
