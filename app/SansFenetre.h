#pragma once
// The program without a window: the usage, this machine's report or relevé, or a relevé's report, saved as
// the export saves it, the messages on the console of whoever started the program.
#include <optional>
#include <string>

#include "app/CommandeRules.h"
#include "probes/ReleveRules.h"

namespace appli {

// Any mode for which SansFenetre(mode) holds. The exit code: 0, or 1 on failure.
int LancerSansFenetre(const Commande& commande);

// The relevé that the window will replay, or nullopt once the reason it cannot be read has been said (on
// the console, else in the error box).
std::optional<sondes::ReleveLu> ReleveARejouer(const std::wstring& chemin);

}  // namespace appli
