#include "probes/SysInfo.h"

namespace sondes {

TCPUInfo::TCPUInfo(Plateforme&) {}

std::string TCPUInfo::IDString() const { return {}; }

std::string TCPUInfo::GetString(int32_t index) const { return index == 0 ? IDString() : std::string(); }

int32_t TSysInfo::GetInfoLongInt(int32_t) { return 0; }

uint8_t TSysInfo::GetColorDepth() { return 0; }

}  // namespace sondes
