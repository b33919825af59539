#pragma once
// The report as JSON: each tab's facts, typed, with the numbers the window shows (MHz, Mo, MB, pixels) and,
// beside them, the exact counts; what is not known is null, with why. The tabs' verdicts are the window's.
#include <string>
#include <string_view>

#include "assess/JsonRules.h"
#include "assess/VerdictRules.h"
#include "probes/Constats.h"

namespace bilan {

inline constexpr std::string_view kFormatJson = "quorvane-rapport";
// Bumped by any change that breaks a reader: a key removed, renamed, or of another type.
inline constexpr uint32_t kVersionJson = 1;

// Each tab's facts, by the tab.
json::Objet FaitsProcesseur(const sondes::Constats& c);
json::Objet FaitsMemoire(const sondes::Constats& c);
json::Objet FaitsGraphiques(const sondes::Constats& c);
json::Objet FaitsSysteme(const sondes::Constats& c);
json::Objet FaitsDirectX(const sondes::Constats& c);

// "vert", "jaune" or "rouge".
std::string_view NomNiveau(NiveauVerdict niveau);
// A comment as the window shows it ("&&" is one '&'), with its level.
json::Objet CommentaireJson(const Commentaire& commentaire);

// The top object: the format, its version and the program's; the tabs follow. The file's bytes are its
// text and a final LF, UTF-8 without a BOM.
json::Objet EnteteJson(std::string_view versionProgramme);
std::string OctetsJson(const json::Objet& rapport);

}  // namespace bilan
