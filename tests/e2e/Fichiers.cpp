#include "Fichiers.h"

#include <algorithm>

#include "ui/Win.h"

namespace fichiers {

std::optional<std::string> Lire(const std::wstring& chemin) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) return std::nullopt;
  std::string octets(GetFileSize(f.get(), nullptr), '\0');
  DWORD lus = 0;
  if (!octets.empty() && !ReadFile(f.get(), octets.data(), static_cast<DWORD>(octets.size()), &lus, nullptr))
    return std::nullopt;
  octets.resize(lus);
  return octets;
}

bool Ecrire(const std::wstring& chemin, const std::string& octets) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD ecrits = 0;
  return f && WriteFile(f.get(), octets.data(), static_cast<DWORD>(octets.size()), &ecrits, nullptr) &&
         ecrits == octets.size();
}

void Remplir(const std::wstring& chemin) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  // Large pieces first, then single bytes for what a partial piece left.
  for (DWORD piece : {DWORD{4096}, DWORD{1}}) {
    const std::string octets(piece, 'x');
    DWORD ecrits = 0;
    while (f && WriteFile(f.get(), octets.data(), piece, &ecrits, nullptr) && ecrits == piece) {}
  }
}

std::vector<std::wstring> Contenu(const std::wstring& dossier) {
  std::vector<std::wstring> noms;
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((dossier + L"\\*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return noms;
  do {
    if (wcscmp(d.cFileName, L".") && wcscmp(d.cFileName, L"..")) noms.emplace_back(d.cFileName);
  } while (FindNextFileW(h, &d));
  FindClose(h);
  std::sort(noms.begin(), noms.end());
  return noms;
}

std::wstring DossierVide(const std::wstring& nom) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring dossier = std::wstring(temp) + nom;
  CreateDirectoryW(dossier.c_str(), nullptr);
  for (const auto& f : Contenu(dossier)) {
    const std::wstring chemin = dossier + L"\\" + f;
    SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(chemin.c_str());
  }
  return dossier;
}

std::wstring DepuisLinux(const std::wstring& chemin) {
  std::wstring windows = L"Z:" + chemin;
  std::replace(windows.begin(), windows.end(), L'/', L'\\');
  return windows;
}

}  // namespace fichiers
