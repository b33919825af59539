#include "Documente.h"

#include "assess/EnregistrementRules.h"

namespace {

BOOL Echec(DWORD erreur) {
  SetLastError(erreur);
  return FALSE;
}

HANDLE Refus(DWORD erreur) {
  SetLastError(erreur);
  return INVALID_HANDLE_VALUE;
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
      [](HWND enfant, LPARAM l) {
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

bool FichiersDocumentes::Chemin(const std::wstring& demande, std::wstring& chemin) const {
  if (demande.starts_with(L"\\\\?\\")) {
    chemin = demande.substr(4);
    return true;
  }
  // MAX_PATH counts the terminating zero.
  if (demande.size() >= MAX_PATH) return Echec(ERROR_PATH_NOT_FOUND);
  chemin = demande;
  return true;
}

DWORD FichiersDocumentes::GetFileAttributesW(const std::wstring& demande) {
  std::wstring chemin;
  if (!Chemin(demande, chemin)) return INVALID_FILE_ATTRIBUTES;
  const auto it = fichiers.find(chemin);
  if (it == fichiers.end()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_FILE_ATTRIBUTES;
  }
  return it->second.attributs | (it->second.lien.empty() ? 0 : FILE_ATTRIBUTE_REPARSE_POINT);
}

HANDLE FichiersDocumentes::CreateFileW(const std::wstring& demande, DWORD, DWORD, DWORD creation, DWORD options) {
  std::wstring chemin;
  if (!Chemin(demande, chemin)) return INVALID_HANDLE_VALUE;
  for (auto it = fichiers.find(chemin); it != fichiers.end() && !it->second.lien.empty(); it = fichiers.find(chemin))
    chemin = it->second.lien;
  const auto it = fichiers.find(chemin);
  switch (creation) {
    case CREATE_NEW:
      if (it != fichiers.end()) return Refus(ERROR_FILE_EXISTS);
      if (sansCreation.count(bilan::DossierDe(chemin))) return Refus(ERROR_ACCESS_DENIED);
      fichiers[chemin] = Fichier{"", options & 0xFFFF, ++horloge_, {}, L""};
      break;
    case OPEN_EXISTING:
    case TRUNCATE_EXISTING:
      if (it == fichiers.end()) return Refus(ERROR_FILE_NOT_FOUND);
      if (creation == TRUNCATE_EXISTING) it->second.contenu.clear();
      break;
    default: return Refus(ERROR_INVALID_PARAMETER);
  }
  const auto h = reinterpret_cast<HANDLE>(prochain_++);
  ouverts_[h] = chemin;
  return h;
}

BOOL FichiersDocumentes::WriteFile(HANDLE fichier, const void* octets, DWORD taille, DWORD* ecrits) {
  fichiers[ouverts_.at(fichier)].contenu.append(static_cast<const char*>(octets), taille);
  *ecrits = taille;
  return TRUE;
}

BOOL FichiersDocumentes::CloseHandle(HANDLE fichier) {
  return ouverts_.erase(fichier) ? TRUE : Echec(ERROR_INVALID_HANDLE);
}

DWORD FichiersDocumentes::GetFinalPathNameByHandleW(HANDLE fichier, wchar_t* chemin, DWORD taille, DWORD) {
  const std::wstring final = L"\\\\?\\" + ouverts_.at(fichier);
  if (taille <= final.size()) return static_cast<DWORD>(final.size() + 1);
  final.copy(chemin, final.size());
  chemin[final.size()] = L'\0';
  return static_cast<DWORD>(final.size());
}

BOOL FichiersDocumentes::MoveFileExW(const std::wstring& demandeSource, const std::wstring& demandeCible,
                                     DWORD options) {
  std::wstring source, cible;
  if (!Chemin(demandeSource, source) || !Chemin(demandeCible, cible)) return FALSE;
  const auto it = fichiers.find(source);
  if (it == fichiers.end()) return Echec(ERROR_FILE_NOT_FOUND);
  if (fichiers.count(cible) && !(options & MOVEFILE_REPLACE_EXISTING)) return Echec(ERROR_ALREADY_EXISTS);
  const Fichier deplace = it->second;
  fichiers.erase(it);
  fichiers[cible] = deplace;  // a link in the target's place is replaced, not followed
  return TRUE;
}

BOOL FichiersDocumentes::ReplaceFileW(const std::wstring& demandeRemplace, const std::wstring& demandeRemplacant,
                                      DWORD) {
  std::wstring remplace, remplacant;
  if (!Chemin(demandeRemplace, remplace) || !Chemin(demandeRemplacant, remplacant)) return FALSE;
  const auto cible = fichiers.find(remplace), source = fichiers.find(remplacant);
  if (cible == fichiers.end() || source == fichiers.end()) return Echec(ERROR_FILE_NOT_FOUND);
  cible->second.contenu = source->second.contenu;
  fichiers.erase(source);
  return TRUE;
}

BOOL FichiersDocumentes::DeleteFileW(const std::wstring& demande) {
  std::wstring chemin;
  if (!Chemin(demande, chemin)) return FALSE;
  return fichiers.erase(chemin) ? TRUE : Echec(ERROR_FILE_NOT_FOUND);
}
