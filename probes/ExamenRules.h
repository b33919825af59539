#pragma once
// From a relevé to the findings: every decision of the probes, over the platform's recorded answers. The
// window, the run without a window and the replay all go through Decoder.
#include <optional>
#include <string>
#include <string_view>

#include "probes/Releve.h"
#include "probes/Resultats.h"

namespace sondes {

// A relevé's UTF-8 text in the findings' single-byte code page (the system's ANSI code page on Windows);
// nullopt when that code page cannot take it.
using VersMonoOctet = std::optional<std::string> (*)(std::string_view utf8);

// The findings of one run, in the probes' order: memory, video card and display, processor, system.
ResultatsInspection Decoder(const Releve& releve, VersMonoOctet convertir);

void DecoderMemoire(const Releve& releve, ResultatsInspection& r);
void DecoderCarteVideo(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir);
void DecoderCPU(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir);
void DecoderOS(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir);

// The DirectX version from the relevé's file versions, by the DirectX table; absent outputs are not
// written. Without a system directory no file counts. Returns 0.
int VersionDxDuReleve(const Releve& releve, uint32_t* majeur, uint32_t* mineur, char* lettre);

}  // namespace sondes
