#pragma once
// File versions of the system directory, and the DirectX version they reveal.
#include <cstdint>

#include "probes/Plateforme.h"
#include "probes/Releve.h"

namespace sondes {

// The file's version from its fixed version information: S_OK; E_INVALIDARG without a path or an output;
// E_FAIL when the file has no readable version resource; E_OUTOFMEMORY when its buffer cannot be had.
HRESULT LireVersionFichier(Plateforme& plateforme, const char* chemin, uint64_t* version);

// The system directory and the versions of the DirectX files in it, read in the order of the DirectX table,
// into the relevé.
void LireVersionsDx(Plateforme& plateforme, Releve& releve);

// The DirectX version from the DirectX files of the system directory; absent outputs are not written.
// Nothing found gives 0, 0 and a blank letter. Returns 0.
int VersionDxParFichiers(Plateforme& plateforme, uint32_t* majeur, uint32_t* mineur, char* lettre);

}  // namespace sondes
