#pragma once
// This process's command line; the usage that /? shows is the text table's (base::Texte::Usage).
#include "app/CommandeRules.h"

namespace appli {

Commande CommandeDuProcessus();

}  // namespace appli
