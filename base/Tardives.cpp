#include "base/Tardives.h"

#include "base/DllSysteme.h"

namespace base::tardives {

#define QUORVANE_LARGE2(texte) L##texte
#define QUORVANE_LARGE(texte) QUORVANE_LARGE2(texte)
#define QUORVANE_DEFINIR(dll, nom, type, repli)                                        \
  nom##F nom() {                                                                       \
    static const auto f = FonctionSysteme<nom##F>(QUORVANE_LARGE(#dll) L".dll", #nom); \
    return f;                                                                          \
  }
QUORVANE_TARDIVES(QUORVANE_DEFINIR)
#undef QUORVANE_DEFINIR

LoadIconWithScaleDownF LoadIconWithScaleDown() {
  static const auto f = reinterpret_cast<LoadIconWithScaleDownF>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  return f;
}

}  // namespace base::tardives
