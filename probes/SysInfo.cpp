#include "probes/SysInfo.h"

#include "probes/CpuRules.h"
#include "probes/MemoryRules.h"
#include "probes/VideoRules.h"

namespace sondes {

TCPUInfo::TCPUInfo(Plateforme& plateforme) {
  // Read once: the vendor cannot change while the program runs.
  if (!plateforme.CpuidPresent()) return;
  std::array<uint32_t, 4> r{};
  plateforme.Cpuid(0, r.data());
  feuilleZero_ = r;
  fournisseur_ = OctetsDuFournisseur(r[1], r[3], r[2]);
}

std::string TCPUInfo::IDString() const { return TexteJusquAuZero(fournisseur_.data(), fournisseur_.size()); }

// CPUName (index 1) is not kept: the processor probe reads the brand itself, so it stays empty.
std::string TCPUInfo::GetString(int32_t index) const { return index == 0 ? IDString() : std::string(); }

MEMORYSTATUSEX TSysInfo::EtatMemoire(BOOL* lu) {
  MEMORYSTATUSEX etat{};
  etat.dwLength = sizeof etat;
  const BOOL resultat = plateforme_.GlobalMemoryStatusEx(etat);  // a failed query leaves the zeros
  if (lu) *lu = resultat;
  return etat;
}

uint64_t TSysInfo::GetInfoOctets(int32_t index) {
  if (index < 1 || index > 6) return 0;
  const MEMORYSTATUSEX etat = EtatMemoire();
  const uint64_t champs[] = {etat.ullTotalPhys,    etat.ullAvailPhys,     etat.ullTotalVirtual,
                             etat.ullAvailVirtual, etat.ullTotalPageFile, etat.ullAvailPageFile};
  return champs[index - 1];
}

int32_t TSysInfo::GetInfoLongInt(int32_t index) {
  switch (static_cast<uint32_t>(index)) {
    case 0: {
      OSVERSIONINFOA version{};
      version.dwOSVersionInfoSize = sizeof version;
      plateforme_.GetVersionExA(version);
      return static_cast<int32_t>(version.dwBuildNumber & 0xFFFF);
    }
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: return EnKo(GetInfoOctets(index));
    case 10: return plateforme_.GetSystemMetrics(SM_CXSCREEN);
    case 11: return plateforme_.GetSystemMetrics(SM_CYSCREEN);
    default:
      // Rows 7-9 and 12 (screen-saver delay, language, time zone, pixels per inch) are not provided:
      // nothing in the program reads them. Beyond 12, and negative indexes, there is no row.
      return 0;
  }
}

uint8_t TSysInfo::GetColorDepth(int32_t* plansLus, int32_t* bitsLus) {
  // The device context goes on every way out, a failed read included.
  struct Contexte {
    Plateforme& plateforme;
    HDC dc;
    ~Contexte() { plateforme.DeleteDC(dc); }
  } ecran{plateforme_, plateforme_.CreateDCA("Display")};
  const int plans = plateforme_.GetDeviceCaps(ecran.dc, PLANES);
  const int bitsParPixel = plateforme_.GetDeviceCaps(ecran.dc, BITSPIXEL);
  if (plansLus) *plansLus = plans;
  if (bitsLus) *bitsLus = bitsParPixel;
  return ProfondeurCouleur(plans, bitsParPixel);
}

}  // namespace sondes
