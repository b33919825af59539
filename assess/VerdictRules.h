#pragma once
// The game's minimum requirements judged from the findings: a level for each of the five status pictures,
// a colour and caption for each of the six comment labels, and for each tab a hint that says why: what was
// measured and what was asked. Applying them is the window's job.
#include <cstdint>
#include <string>

#include "probes/Resultats.h"

namespace bilan {

// Also the index of the status picture in its image strip (green, yellow, red diamond).
enum NiveauVerdict : int { Ok = 0, Attention = 1, Danger = 2 };

// The verdicts' colours, 0x00BBGGRR as the framework's colour numbers.
inline constexpr uint32_t kVert = 0x0066CC00;   // RGB(0, 204, 102) = 6736896
inline constexpr uint32_t kJaune = 0x0000FFFF;  // RGB(255, 255, 0) = 65535
inline constexpr uint32_t kRouge = 0x000000FF;  // RGB(255, 0, 0) = 255

// Background of a comment.
uint32_t CouleurVerdict(NiveauVerdict niveau);

struct Commentaire {
  uint32_t couleur;  // CouleurVerdict(niveau)
  NiveauVerdict niveau;
  const wchar_t* legende;  // "&&" stands for a displayed '&'
};

struct Verdicts {
  NiveauVerdict os, ram, cg, cpu, dx;
  Commentaire cmtOS, cmtRAM, cmtCG, cmtSpecial, cmtCPU, cmtDx;
  int32_t SeuilVitesse;  // MHz: chosen by the video card, judges the processor
  // Each tab's hint, from the same bars as its verdict; '&' is shown as it is.
  std::wstring bulleOS, bulleRAM, bulleCG, bulleCPU, bulleDx;
};

// Reads CodeOS, VerOS, TotalRAM, Is3D, EchecVideo, MemoireVideo, MarqueVideo, Vitesse, DxMajeur and the facts
// (Faits) only.
Verdicts Juger(const sondes::ResultatsInspection& r);

}  // namespace bilan
