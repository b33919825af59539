#include "assess/EnregistrementRules.h"

namespace bilan {

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

std::wstring CheminPourWindows(const std::wstring& chemin) {
  constexpr size_t kMaxPath = 260;
  if (chemin.size() + 1 <= kMaxPath || chemin.starts_with(L"\\\\?\\")) return chemin;
  std::wstring barres = chemin;
  for (wchar_t& c : barres)
    if (c == L'/') c = L'\\';
  if (barres.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + barres.substr(2);
  const bool lecteur = barres.size() >= 3 && barres[1] == L':' && barres[2] == L'\\' &&
                       ((barres[0] >= L'A' && barres[0] <= L'Z') || (barres[0] >= L'a' && barres[0] <= L'z'));
  return lecteur ? L"\\\\?\\" + barres : chemin;
}

}  // namespace bilan
