#pragma once
// Naming of the running Windows from three numbers of its version record.
#include <cstdint>

namespace sondes {

struct NomOS {
  const char* nom;
  int32_t code;  // the verdicts rely on these exact numbers (Windows ME is 5, above NT 4)
};

NomOS ChoisirOS(uint32_t plateforme, uint32_t majeure, uint32_t mineure);

}  // namespace sondes
