#include "assess/ReportRules.h"

namespace rapport {

// Report order differs from the order the labels are filled in: the video memory comes before the
// desktop size, the refresh rate before the colour depth.
const LigneTitree kLignes[kNbValeurs] = {
    {"CPU              : ", Valeur::LblCPU, false},
    {"VITESSE          : ", Valeur::LblVitesse, true},
    {"TOTAL RAM        : ", Valeur::LblTotalRAM, false},
    {"MEMOIRE VIRTUEL  : ", Valeur::LblVirtuel, false},
    {"MEMOIRE PAGE     : ", Valeur::LblPage, true},
    {"CARTE VIDEO      : ", Valeur::LblMarqueVideo, false},
    {"MEMOIRE          : ", Valeur::LblMemoireVideo, false},
    {"TAILLE           : ", Valeur::LblHW, false},
    {"TAUX RAFFRAI.    : ", Valeur::LblRefreshRate, false},
    {"RESOLUTION       : ", Valeur::LblRes, false},
    {"VERSION PILOTES  : ", Valeur::LblVerDrv, false},
    {"FAIT DU 3D       : ", Valeur::LblIs3D, true},
    {"OS               : ", Valeur::LblVerOS, false},
    {"AUTRE            : ", Valeur::LblAutreInfo, true},
    {"Version DIRECTX  : ", Valeur::LblDxVersion, false},
};

}  // namespace rapport
