#include "Documente.h"

#include <algorithm>

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

bool FichiersDocumentes::Indelebile(const std::wstring& chemin) const {
  return sansSuppression.count(bilan::DossierDe(chemin)) != 0;
}

HANDLE FichiersDocumentes::CreateFileW(const std::wstring& demande, DWORD acces, DWORD, DWORD creation, DWORD options) {
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
      if ((acces & DELETE) && Indelebile(chemin)) return Refus(ERROR_ACCESS_DENIED);
      if (creation == TRUNCATE_EXISTING) it->second.contenu.clear();
      break;
    default: return Refus(ERROR_INVALID_PARAMETER);
  }
  const auto h = reinterpret_cast<HANDLE>(prochain_++);
  ouverts_[h] = {chemin, 0};
  return h;
}

BOOL FichiersDocumentes::ReadFile(HANDLE fichier, void* octets, DWORD taille, DWORD* lus) {
  Ouvert& o = ouverts_.at(fichier);
  const std::string& contenu = fichiers[o.chemin].contenu;
  *lus = static_cast<DWORD>(contenu.copy(static_cast<char*>(octets), taille, std::min(o.position, contenu.size())));
  o.position += *lus;
  return TRUE;
}

BOOL FichiersDocumentes::WriteFile(HANDLE fichier, const void* octets, DWORD taille, DWORD* ecrits) {
  Ouvert& o = ouverts_.at(fichier);
  std::string& contenu = fichiers[o.chemin].contenu;
  *ecrits = 0;
  if (disquePlein && o.position + taille > contenu.size()) {
    // As a full volume does: the bytes that fit in the file's clusters go, then the write fails.
    const size_t place = contenu.size() > o.position ? contenu.size() - o.position : 0;
    contenu.replace(o.position, place, static_cast<const char*>(octets), place);
    o.position += place;
    *ecrits = static_cast<DWORD>(place);
    return Echec(ERROR_DISK_FULL);
  }
  if (contenu.size() < o.position + taille) contenu.resize(o.position + taille);
  contenu.replace(o.position, taille, static_cast<const char*>(octets), taille);
  o.position += taille;
  *ecrits = taille;
  return TRUE;
}

BOOL FichiersDocumentes::FlushFileBuffers(HANDLE) { return ecritureDifferee ? Echec(ERROR_NETNAME_DELETED) : TRUE; }

BOOL FichiersDocumentes::SetFilePointerEx(HANDLE fichier, LONGLONG position) {
  ouverts_.at(fichier).position = static_cast<size_t>(position);
  return TRUE;
}

BOOL FichiersDocumentes::SetEndOfFile(HANDLE fichier) {
  const Ouvert& o = ouverts_.at(fichier);
  fichiers[o.chemin].contenu.resize(o.position);
  return TRUE;
}

BOOL FichiersDocumentes::CloseHandle(HANDLE fichier) {
  return ouverts_.erase(fichier) ? TRUE : Echec(ERROR_INVALID_HANDLE);
}

DWORD FichiersDocumentes::GetFinalPathNameByHandleW(HANDLE fichier, wchar_t* chemin, DWORD taille, DWORD) {
  const std::wstring final = L"\\\\?\\" + ouverts_.at(fichier).chemin;
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
  if (Indelebile(source)) return Echec(ERROR_ACCESS_DENIED);
  if (fichiers.count(cible) && !(options & MOVEFILE_REPLACE_EXISTING)) return Echec(ERROR_ALREADY_EXISTS);
  const Fichier deplace = it->second;
  fichiers.erase(it);
  fichiers[cible] = deplace;  // a link in the target's place is replaced, not followed
  return TRUE;
}

BOOL FichiersDocumentes::ReplaceFileW(const std::wstring& demandeRemplace, const std::wstring& demandeRemplacant,
                                      const std::wstring& demandeSauvegarde, DWORD) {
  std::wstring remplace, remplacant, sauvegarde;
  if (!Chemin(demandeRemplace, remplace) || !Chemin(demandeRemplacant, remplacant)) return FALSE;
  if (!demandeSauvegarde.empty() && !Chemin(demandeSauvegarde, sauvegarde)) return FALSE;
  const auto cible = fichiers.find(remplace), source = fichiers.find(remplacant);
  if (cible == fichiers.end() || source == fichiers.end()) return Echec(ERROR_FILE_NOT_FOUND);
  // The replaced file is opened with DELETE access.
  if (Indelebile(remplace)) return Echec(ERROR_ACCESS_DENIED);
  Fichier nouveau = cible->second;
  nouveau.contenu = source->second.contenu;
  switch (echecRemplacement) {
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
      // With a backup name both files keep their names; without, the replaced file no longer exists.
      if (sauvegarde.empty()) fichiers.erase(cible);
      return Echec(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2: {
      // The replacement keeps its name with the replaced file's streams and attributes; the replaced file
      // exists under the backup name, or under another name.
      const Fichier ancien = cible->second;
      source->second = nouveau;
      fichiers.erase(cible);
      fichiers[sauvegarde.empty() ? bilan::DossierDe(remplace) + L"~rf0001.tmp" : sauvegarde] = ancien;
      return Echec(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    }
    default: break;
  }
  if (!sauvegarde.empty()) fichiers[sauvegarde] = cible->second;
  cible->second = nouveau;
  fichiers.erase(source);
  return TRUE;
}

BOOL FichiersDocumentes::DeleteFileW(const std::wstring& demande) {
  std::wstring chemin;
  if (!Chemin(demande, chemin)) return FALSE;
  if (fichiers.count(chemin) && Indelebile(chemin)) return Echec(ERROR_ACCESS_DENIED);
  return fichiers.erase(chemin) ? TRUE : Echec(ERROR_FILE_NOT_FOUND);
}
