#include "assess/EnregistrementRules.h"

namespace rapport {

std::wstring DossierDe(const std::wstring& chemin) {
  const size_t fin = chemin.find_last_of(L"\\/:");
  return fin == std::wstring::npos ? std::wstring() : chemin.substr(0, fin + 1);
}

std::wstring NomTemporaire(const std::wstring& cible, uint32_t graine) {
  static constexpr wchar_t kChiffres[] = L"0123456789abcdef";
  std::wstring nom = DossierDe(cible) + L"~qv";
  for (int decalage = 28; decalage >= 0; decalage -= 4) nom += kChiffres[(graine >> decalage) & 0xFu];
  return nom + L".tmp";
}

}  // namespace rapport
