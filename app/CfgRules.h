#pragma once
// Arithmetic and texts of the main window that need no window: placement and the value labels' texts.
#include <array>
#include <cstdint>
#include <string>

#include "probes/Resultats.h"

struct Position {
  int32_t top;
  int32_t left;
};

// Where the window goes on a desktop of the given size. The client size is used, not the outer size.
Position CalculerPosition(int32_t largeurBureau, int32_t hauteurBureau, int32_t largeurClient,
                          int32_t hauteurClient);

// Decimal text without grouping; signed unless said otherwise.
std::string TexteEntier(int32_t valeur);
std::string TexteNonSigne(uint32_t valeur);

// The value labels, in the order the inspection run fills them.
enum class Valeur {
  LblCPU, LblVitesse, LblTotalRAM, LblVirtuel, LblPage, LblMarqueVideo, LblHW, LblRes,
  LblMemoireVideo, LblRefreshRate, LblVerDrv, LblIs3D, LblVerOS, LblAutreInfo, LblDxVersion
};
constexpr int kNbValeurs = 15;
extern const char* const kNomsValeurs[kNbValeurs];

// Each label's text, with its unit, in the single-byte encoding of the findings.
std::array<std::string, kNbValeurs> TextesValeurs(const sondes::ResultatsInspection& r);
