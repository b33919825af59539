#include "ui/Aide.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "ui/AideRules.h"

namespace ui {
namespace {

bool Existe(const std::wstring& fichier) {
  const DWORD attributs = GetFileAttributesW(fichier.c_str());
  return attributs != INVALID_FILE_ATTRIBUTES && !(attributs & FILE_ATTRIBUTE_DIRECTORY);
}

// The browser's own command for web addresses: handing it the URL keeps the anchor, which opening the
// file through its association would drop.
bool OuvrirDansLeNavigateur(const std::wstring& url) {
  wchar_t modele[2048];
  DWORD taille = ARRAYSIZE(modele);
  if (FAILED(AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_COMMAND, L"http", L"open", modele, &taille))) return false;
  std::wstring ligne = LigneNavigateur(modele, url);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  Handle processus(pi.hProcess), fil(pi.hThread);
  return true;
}

}  // namespace

bool MoteurNavigateur::WinHelp(HWND proprietaire, const std::string& fichier, UINT commande, ULONG_PTR donnees) {
  const std::wstring page = PageAide(DossierProgramme(), DepuisAnsi(fichier));
  switch (commande) {
    case HELP_CONTENTS:
      return Existe(page);
    case HELP_COMMAND: {
      if (!donnees) return false;
      const auto sujet = SujetDuSaut(reinterpret_cast<const char*>(donnees));
      if (!sujet || !Existe(page)) return false;
      if (OuvrirDansLeNavigateur(UrlLocale(page, DepuisAnsi(*sujet)))) return true;
      // No browser registered for web addresses: the page through its own association, at its top.
      return reinterpret_cast<INT_PTR>(ShellExecuteW(proprietaire, L"open", page.c_str(), nullptr, nullptr,
                                                     SW_SHOWNORMAL)) > 32;
    }
    case HELP_QUIT:
      return true;
  }
  return false;
}

}  // namespace ui
