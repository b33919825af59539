#pragma once
// From a relevé to the facts: every decision of the probes over the platform's recorded answers, and why
// each fact that could not be learnt is missing. The live run and the replay both go through Constater.
#include <cstdint>

#include "probes/Constats.h"
#include "probes/Releve.h"

namespace sondes {

Constats Constater(const Releve& releve);

ConstatsMemoire ConstaterMemoire(const Releve& releve);
// The display devices and the desktop; `directx`, when given, gets DirectX's version (the provider's or
// the files' lower bound).
ConstatsVideo ConstaterVideo(const Releve& releve, Fait<VersionDirectX>* directx = nullptr);
ConstatsProcesseur ConstaterProcesseur(const Releve& releve);
ConstatsSysteme ConstaterSysteme(const Releve& releve);

// The DirectX version from the relevé's file versions, by the DirectX table; absent outputs are not
// written. Without a system directory no file counts. Returns 0.
int VersionDxDuReleve(const Releve& releve, uint32_t* majeur, uint32_t* mineur, char* lettre);

}  // namespace sondes
