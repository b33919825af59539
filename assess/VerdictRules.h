#pragma once
// The game's minimum requirements judged from seven findings: a level for each of the five status
// pictures and a colour and caption for each of the six comment labels. Applying them is the window's job.
#include <cstdint>

#include "probes/Resultats.h"

namespace evaluation {

// Also the index of the status picture in the image list (green, yellow, red diamond).
enum NiveauVerdict : int { Ok = 0, Attention = 1, Danger = 2 };

// Background of a comment, 0x00BBGGRR.
uint32_t CouleurVerdict(NiveauVerdict niveau);

struct Commentaire {
  uint32_t couleur;
  const wchar_t* legende;  // "&&" stands for a displayed '&'
};

struct Verdicts {
  NiveauVerdict os, ram, cg, cpu, dx;
  Commentaire cmtOS, cmtRAM, cmtCG, cmtSpecial, cmtCPU, cmtDx;
  int32_t SeuilVitesse;  // MHz: chosen by the video card, judges the processor
};

// Reads CodeOS, TotalRAM, Is3D, EchecVideo, MemoireVideo, Vitesse and DxMajeur only.
Verdicts Juger(const sondes::ResultatsInspection& r);

}  // namespace evaluation
