#pragma once
// Naming of the running Windows from three numbers of its version record.
#include <cstdint>
#include <string>

namespace sondes {

struct NomOS {
  const char* nom;
  int32_t code;  // the verdicts rely on these exact numbers (Windows ME is 5, above NT 4)
};

NomOS ChoisirOS(uint32_t plateforme, uint32_t majeure, uint32_t mineure);

// PRODUCT_SERVERRDSH, "Windows 10 Enterprise for Virtual Desktops": the multi-session client.
inline constexpr uint32_t kEditionMultiSession = 0xAF;

// The system's own name, from its true version: "Windows 11 (build 22631)", "Windows Server 2019 (build
// 17763)". Windows 11 is 10.0 from build 22000; a server says so by its product type (2 or 3), but for a
// multi-session client (its `edition`, GetProductInfo's PRODUCT_*), named as the client. Servers of 10.0
// are named by their exact build, any other "Windows Server (build N)".
std::string NomSysteme(uint32_t plateforme, uint32_t majeure, uint32_t mineure, uint32_t build, uint8_t typeProduit,
                       uint32_t edition);

}  // namespace sondes
