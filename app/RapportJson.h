#pragma once
// The JSON report of an inspection, from its relevé and the findings the window shows.
#include <string>

#include "probes/Releve.h"
#include "probes/Resultats.h"

namespace appli {

// UTF-8 without a BOM: the facts decoded from the relevé, each tab with the window's verdict and comments.
std::string OctetsRapportJson(const sondes::Releve& releve, const sondes::ResultatsInspection& r);

}  // namespace appli
