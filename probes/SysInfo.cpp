#include "probes/SysInfo.h"

#include "probes/VideoRules.h"

namespace sondes {

TCPUInfo::TCPUInfo(Plateforme&) {}

std::string TCPUInfo::IDString() const { return {}; }

std::string TCPUInfo::GetString(int32_t index) const { return index == 0 ? IDString() : std::string(); }

int32_t TSysInfo::GetInfoLongInt(int32_t) { return 0; }

uint8_t TSysInfo::GetColorDepth() {
  // The device context goes on every way out, a failed read included.
  struct Contexte {
    Plateforme& plateforme;
    HDC dc;
    ~Contexte() { plateforme.DeleteDC(dc); }
  } ecran{plateforme_, plateforme_.CreateDCA("Display")};
  const int plans = plateforme_.GetDeviceCaps(ecran.dc, PLANES);
  const int bitsParPixel = plateforme_.GetDeviceCaps(ecran.dc, BITSPIXEL);
  return ProfondeurCouleur(plans, bitsParPixel);
}

}  // namespace sondes
