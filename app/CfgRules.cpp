#include "app/CfgRules.h"

Position CalculerPosition(int32_t largeurBureau, int32_t hauteurBureau, int32_t largeurClient,
                          int32_t hauteurClient) {
  // A desktop narrower than 800 pixels puts the window in the corner; C++ division truncates toward
  // zero as required, so a desktop lower than the client gives a small negative top.
  if (largeurBureau < 800) return {1, 1};
  return {(hauteurBureau - hauteurClient) / 3, (largeurBureau - largeurClient) / 2};
}

std::string TexteEntier(int32_t valeur) { return std::to_string(valeur); }
std::string TexteNonSigne(uint32_t valeur) { return std::to_string(valeur); }

const char* const kNomsValeurs[kNbValeurs] = {
    "LblCPU", "LblVitesse", "LblTotalRAM", "LblVirtuel", "LblPage", "LblMarqueVideo", "LblHW", "LblRes",
    "LblMemoireVideo", "LblRefreshRate", "LblVerDrv", "LblIs3D", "LblVerOS", "LblAutreInfo", "LblDxVersion"};

std::array<std::string, kNbValeurs> TextesValeurs(const sondes::ResultatsInspection& r) {
  return {
      r.NomCPU,
      TexteEntier(r.Vitesse) + " MHz",
      TexteEntier(r.TotalRAM) + " Mo",
      TexteEntier(r.TotalVirtuel) + " Mo",
      TexteEntier(r.TotalPage) + " Mo",
      r.MarqueVideo,
      TexteEntier(r.LargeurEcran) + " X " + TexteEntier(r.HauteurEcran),
      TexteEntier(r.BitsCouleur) + " Bits",
      TexteEntier(r.MemoireVideo) + " MB",
      TexteNonSigne(r.RefreshRate) + " Hz",
      r.VerDrv,
      r.Is3D == 1 ? "Oui" : "Non",
      r.VerOS,
      r.AutreInfo,
      r.DxVersion,
  };
}
