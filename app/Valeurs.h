#pragma once
// The value labels of the main window, one row each, in the order of the report: the label (its member, and
// its name in the form description), its text from the findings `r`, the title that precedes its caption in
// the report, and whether a line of asterisks closes its group there. The window declares and binds a member
// for each row and writes the texts in this order; the report follows it. A new value label is one row here
// and its row in the form description.
//
// Numbers are plain decimal, signed, but the refresh rate is unsigned. LblHW holds the desktop size, LblRes
// the colour depth.
// clang-format off
#define QUORVANE_VALEURS(X)                                                                                        \
  /* label            text, from the findings r                                title                  separator */ \
  X(LblCPU,           r.NomCPU,                                                "CPU              : ", false)       \
  X(LblVitesse,       TexteEntier(r.Vitesse) + " MHz",                         "VITESSE          : ", true)        \
  X(LblTotalRAM,      TexteEntier(r.TotalRAM) + " Mo",                         "TOTAL RAM        : ", false)       \
  X(LblVirtuel,       TexteEntier(r.TotalVirtuel) + " Mo",                     "MEMOIRE VIRTUEL  : ", false)       \
  X(LblPage,          TexteEntier(r.TotalPage) + " Mo",                        "MEMOIRE PAGE     : ", true)        \
  X(LblMarqueVideo,   r.MarqueVideo,                                           "CARTE VIDEO      : ", false)       \
  X(LblMemoireVideo,  TexteEntier(r.MemoireVideo) + " MB",                     "MEMOIRE          : ", false)       \
  X(LblHW,            TexteEntier(r.LargeurEcran) + " X " + TexteEntier(r.HauteurEcran),                              \
                                                                               "TAILLE           : ", false)       \
  X(LblRefreshRate,   TexteNonSigne(r.RefreshRate) + " Hz",                    "TAUX RAFFRAI.    : ", false)       \
  X(LblRes,           TexteEntier(r.BitsCouleur) + " Bits",                    "RESOLUTION       : ", false)       \
  X(LblVerDrv,        r.VerDrv,                                                "VERSION PILOTES  : ", false)       \
  X(LblIs3D,          std::string(r.Is3D == 1 ? "Oui" : "Non"),                "FAIT DU 3D       : ", true)        \
  X(LblVerOS,         r.VerOS,                                                 "OS               : ", false)       \
  X(LblAutreInfo,     r.AutreInfo,                                             "AUTRE            : ", true)        \
  X(LblDxVersion,     r.DxVersion,                                             "Version DIRECTX  : ", false)
// clang-format on
