#include "ui/Aide.h"

#include "ui/AideRules.h"
#include "ui/Systeme.h"

namespace ui {
namespace {

bool Existe(const std::wstring& fichier) {
  const DWORD attributs = GetFileAttributesW(fichier.c_str());
  return attributs != INVALID_FILE_ATTRIBUTES && !(attributs & FILE_ATTRIBUTE_DIRECTORY);
}

// The browser's own command for web addresses: handing it the URL keeps the anchor, which opening the
// file through its association would drop. ASSOCF_IS_PROTOCOL asks for the handler the user chose
// (Windows 8 and later); without it the answer may be the protocol's legacy handler, which is all that
// Windows 7 knows.
bool OuvrirDansLeNavigateur(const std::wstring& url) {
  constexpr ASSOCF kProtocole = 0x00001000;  // ASSOCF_IS_PROTOCOL, which the Windows 7 headers lack
  for (const ASSOCF options : {kProtocole, ASSOCF(ASSOCF_NONE)}) {
    wchar_t modele[2048];
    DWORD taille = ARRAYSIZE(modele);
    if (Sys().AssocQueryStringW(options, ASSOCSTR_COMMAND, L"http", L"open", modele, &taille) == S_OK)
      return Sys().CreateProcessW(LigneNavigateur(modele, url));
  }
  return false;
}

}  // namespace

bool MoteurNavigateur::WinHelp(HWND proprietaire, const std::string& fichier, UINT commande, ULONG_PTR donnees) {
  const std::wstring page = PageAide(dossier_, DepuisAnsi(fichier).value_or(L""));
  switch (commande) {
    case HELP_CONTENTS:
      return Existe(page);
    case HELP_COMMAND: {
      if (!donnees) return false;
      const auto sujet = SujetDuSaut(reinterpret_cast<const char*>(donnees));
      if (!sujet || !Existe(page)) return false;
      if (OuvrirDansLeNavigateur(UrlLocale(page, DepuisAnsi(*sujet).value_or(L"")))) return true;
      // No browser registered for web addresses: the page through its own association, at its top.
      return Sys().ShellExecuteW(proprietaire, page);
    }
    case HELP_QUIT:
      return true;
  }
  return false;
}

}  // namespace ui
