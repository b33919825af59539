#include "Documente.h"

namespace {

BOOL Echec(DWORD erreur) {
  SetLastError(erreur);
  return FALSE;
}

}  // namespace

int ConversionDocumentee::WideCharToMultiByte(UINT page, DWORD options, const wchar_t* large, int n, char* octets,
                                              int taille) {
  if (echec) return Echec(ERROR_NO_UNICODE_TRANSLATION);
  if ((page == CP_UTF8 || page == 54936) && (options & ~DWORD{WC_ERR_INVALID_CHARS})) return Echec(ERROR_INVALID_FLAGS);
  return base::Conversion::WideCharToMultiByte(page, options, large, n, octets, taille);
}

int ConversionDocumentee::MultiByteToWideChar(UINT page, DWORD options, const char* octets, int n, wchar_t* large,
                                              int taille) {
  if (echec) return Echec(ERROR_NO_UNICODE_TRANSLATION);
  return base::Conversion::MultiByteToWideChar(page, options, octets, n, large, taille);
}

BOOL BureauAvecBarre::GetWindowPlacement(HWND fenetre, WINDOWPLACEMENT* placement) {
  const BOOL lu = ui::System::GetWindowPlacement(fenetre, placement);
  OffsetRect(&placement->rcNormalPosition, -origine_.x, -origine_.y);
  return lu;
}

BOOL BureauAvecBarre::SetWindowPlacement(HWND fenetre, const WINDOWPLACEMENT* placement) {
  WINDOWPLACEMENT ecran = *placement;
  OffsetRect(&ecran.rcNormalPosition, origine_.x, origine_.y);
  return ui::System::SetWindowPlacement(fenetre, &ecran);
}

LRESULT EtatUIDocumente::QueryUIState(HWND fenetre) {
  const auto it = etats_.find(GetAncestor(fenetre, GA_ROOT));
  return it == etats_.end() ? 0 : it->second;
}

void EtatUIDocumente::ChangeUIState(HWND fenetre, WORD action, WORD drapeaux) {
  HWND racine = GetAncestor(fenetre, GA_ROOT);
  LRESULT& etat = etats_[racine];
  const LRESULT avant = etat;
  if (action == UIS_SET) etat |= drapeaux;
  if (action == UIS_CLEAR) etat &= ~LRESULT{drapeaux};
  if (etat == avant) return;
  const WPARAM wp = MAKEWPARAM(action, drapeaux);
  SendMessageW(racine, WM_UPDATEUISTATE, wp, 0);
  EnumChildWindows(
      racine,
      [](HWND enfant, LPARAM l) WINAPI -> BOOL {
        SendMessageW(enfant, WM_UPDATEUISTATE, static_cast<WPARAM>(l), 0);
        return TRUE;
      },
      static_cast<LPARAM>(wp));
}

HRESULT AssociationsDocumentees::AssocQueryStringW(ASSOCF options, ASSOCSTR quoi, const wchar_t* association,
                                                   const wchar_t* verbe, wchar_t* sortie, DWORD* taille) {
  const std::wstring& commande = (options & 0x00001000) ? choixUtilisateur : ancien;  // ASSOCF_IS_PROTOCOL
  if (quoi != ASSOCSTR_COMMAND || association != std::wstring(L"http") || verbe != std::wstring(L"open") ||
      commande.empty())
    return HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION);
  if (*taille <= commande.size()) return E_POINTER;
  commande.copy(sortie, commande.size());
  sortie[commande.size()] = L'\0';
  *taille = static_cast<DWORD>(commande.size() + 1);
  return S_OK;
}

bool AssociationsDocumentees::CreateProcessW(std::wstring ligne) {
  processus.push_back(ligne);
  return true;
}

bool AssociationsDocumentees::ShellExecuteW(HWND, const std::wstring& document) {
  documents.push_back(document);
  return true;
}
