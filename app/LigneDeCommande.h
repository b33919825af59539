#pragma once
// This process's command line, and the usage that /? shows.
#include "app/CommandeRules.h"

namespace appli {

extern const wchar_t kUsage[];

Commande CommandeDuProcessus();

}  // namespace appli
