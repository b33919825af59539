// Verdicts applied to the main window's status pictures and comment labels.
#include "app/Cfg.h"

int TFichePrinc::Evaluer() { return 0; }
