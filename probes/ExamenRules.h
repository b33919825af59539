#pragma once
// From a relevé to the findings as the window shows them: the facts (ConstatsRules.h), then their display,
// which keeps the original program's quirks ("Inconnue", "OS inconnu", a megabyte more, " et/ou +") in
// this one place. The window, the run without a window and the replay all go through Decoder.
#include <optional>
#include <string>
#include <string_view>

#include "probes/Constats.h"
#include "probes/ConstatsRules.h"
#include "probes/Releve.h"
#include "probes/Resultats.h"

namespace sondes {

// A relevé's UTF-8 text in the findings' single-byte code page (the system's ANSI code page on Windows);
// nullopt when that code page cannot take it.
using VersMonoOctet = std::optional<std::string> (*)(std::string_view utf8);

// The findings of one run, in the probes' order: memory, video card and display, processor, system.
ResultatsInspection Decoder(const Releve& releve, VersMonoOctet convertir);
// The same from the run's facts, for who needs them too.
ResultatsInspection Afficher(const Constats& constats, VersMonoOctet convertir);

// Each probe's fields of the findings, from its facts.
void AfficherMemoire(const ConstatsMemoire& memoire, ResultatsInspection& r);
void AfficherVideo(const ConstatsVideo& video, const Fait<VersionDirectX>& directx, ResultatsInspection& r,
                   VersMonoOctet convertir);
void AfficherProcesseur(const ConstatsProcesseur& processeur, ResultatsInspection& r, VersMonoOctet convertir);
void AfficherSysteme(const ConstatsSysteme& systeme, ResultatsInspection& r, VersMonoOctet convertir);

// The same from a relevé, for the probe that has just gathered its part of it.
void DecoderMemoire(const Releve& releve, ResultatsInspection& r);
void DecoderCarteVideo(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir);
void DecoderCPU(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir);
void DecoderOS(const Releve& releve, ResultatsInspection& r, VersMonoOctet convertir);

}  // namespace sondes
