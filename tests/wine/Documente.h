#pragma once
// Fakes of the program's roads to Windows that play what Windows documents where Wine answers otherwise,
// or where a root account cannot show it. Each names the documented rule it plays.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assess/Fichiers.h"
#include "ui/System.h"
#include "ui/Win.h"

// A code page the Wine prefix does not run, converted with Windows' strictness: on UTF-8 and GB18030,
// WideCharToMultiByte fails with ERROR_INVALID_FLAGS for any flag but WC_ERR_INVALID_CHARS (Wine takes
// them). With `echec`, every conversion fails.
class ConversionDocumentee : public base::Conversion {
 public:
  explicit ConversionDocumentee(UINT page) : page_(page) { base::RemplacerConversion(this); }
  ~ConversionDocumentee() override { base::RemplacerConversion(nullptr); }
  bool echec = false;

  UINT GetACP() override { return page_; }
  int WideCharToMultiByte(UINT page, DWORD options, const wchar_t* large, int n, char* octets, int taille) override;
  int MultiByteToWideChar(UINT page, DWORD options, const char* octets, int n, wchar_t* large, int taille) override;

 private:
  UINT page_;
};

// A taskbar or an application bar at the top or the left of the screen: GetWindowPlacement and
// SetWindowPlacement give and take rcNormalPosition in workspace coordinates, whose (0, 0) is the corner of
// the work area (Wine uses screen coordinates there).
class BureauAvecBarre : public ui::System {
 public:
  explicit BureauAvecBarre(POINT origine) : origine_(origine) { ui::SetSystem(this); }
  ~BureauAvecBarre() override { ui::SetSystem(nullptr); }

  BOOL GetWindowPlacement(HWND fenetre, WINDOWPLACEMENT* placement) override;
  BOOL SetWindowPlacement(HWND fenetre, const WINDOWPLACEMENT* placement) override;
  POINT WorkAreaOrigin(HWND) override { return origine_; }

 private:
  POINT origine_;
};

// Associations as Windows 8 and later answer them: the handler of a protocol that the user chose is given
// only with ASSOCF_IS_PROTOCOL; without it, the protocol's legacy handler (Wine ignores the flag). Processes
// and documents are recorded, not started.
class AssociationsDocumentees : public ui::System {
 public:
  AssociationsDocumentees() { ui::SetSystem(this); }
  ~AssociationsDocumentees() override { ui::SetSystem(nullptr); }
  std::wstring choixUtilisateur;  // command of the browser the user chose; empty: none
  std::wstring ancien;            // command of the legacy handler; empty: none
  std::vector<std::wstring> processus, documents;

  HRESULT AssocQueryStringW(ASSOCF options, ASSOCSTR quoi, const wchar_t* association, const wchar_t* verbe,
                            wchar_t* sortie, DWORD* taille) override;
  bool CreateProcessW(std::wstring ligne) override;
  bool ShellExecuteW(HWND, const std::wstring& document) override;
};

// The cues' UI state as Windows keeps it (Wine keeps none): WM_CHANGEUISTATE goes up to the top-level
// window, which, when the state changes, passes it by WM_UPDATEUISTATE to every window of its tree;
// WM_QUERYUISTATE answers the state. Nothing is hidden at first.
class EtatUIDocumente : public ui::System {
 public:
  EtatUIDocumente() { ui::SetSystem(this); }
  ~EtatUIDocumente() override { ui::SetSystem(nullptr); }

  LRESULT QueryUIState(HWND fenetre) override;
  void ChangeUIState(HWND fenetre, WORD action, WORD drapeaux) override;

 private:
  std::map<HWND, LRESULT> etats_;  // by top-level window
};

// An in-memory file system with Windows' documented rules: a path of MAX_PATH characters or more needs the
// long form "\\?\"; a folder may let the user change files but not create any, or write them but not
// delete them; ReplaceFileW keeps the replaced file's attributes, creation time and streams, where
// MoveFileExW puts the moved file in the target's place; a symbolic link is followed when a file is opened,
// but moved and replaced as a link. A full disk refuses the writes that make a file longer.
class FichiersDocumentes : public bilan::Fichiers {
 public:
  struct Fichier {
    std::string contenu;
    DWORD attributs = FILE_ATTRIBUTE_ARCHIVE;
    int creation = 0;             // kept by a replace, new with a create
    std::set<std::wstring> flux;  // alternate data streams
    std::wstring lien;            // a symbolic link to that path; empty for a file
    bool operator==(const Fichier&) const = default;
  };
  std::map<std::wstring, Fichier> fichiers;  // by full path, without the long-form prefix
  std::set<std::wstring> sansCreation;       // folders (with their final '\') where no file may be added
  std::set<std::wstring> sansSuppression;    // folders where no file may be deleted or renamed
  bool disquePlein = false;                  // a write past a file's end writes what fits, then fails
  bool ecritureDifferee = false;             // every flush reports a delayed write that the volume lost
  // The error of a replace whose last rename a filter refuses: ERROR_UNABLE_TO_MOVE_REPLACEMENT or
  // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, each leaving the files as documented; 0: replaces succeed.
  DWORD echecRemplacement = 0;

  DWORD GetFileAttributesW(const std::wstring& chemin) override;
  HANDLE CreateFileW(const std::wstring& chemin, DWORD acces, DWORD partage, DWORD creation, DWORD options) override;
  BOOL ReadFile(HANDLE fichier, void* octets, DWORD taille, DWORD* lus) override;
  BOOL WriteFile(HANDLE fichier, const void* octets, DWORD taille, DWORD* ecrits) override;
  BOOL SetFilePointerEx(HANDLE fichier, LONGLONG position) override;
  BOOL SetEndOfFile(HANDLE fichier) override;
  BOOL FlushFileBuffers(HANDLE) override;
  BOOL CloseHandle(HANDLE fichier) override;
  DWORD GetFinalPathNameByHandleW(HANDLE fichier, wchar_t* chemin, DWORD taille, DWORD options) override;
  BOOL MoveFileExW(const std::wstring& source, const std::wstring& cible, DWORD options) override;
  BOOL ReplaceFileW(const std::wstring& remplace, const std::wstring& remplacant, const std::wstring& sauvegarde,
                    DWORD options) override;
  BOOL DeleteFileW(const std::wstring& chemin) override;
  void Sleep(DWORD) override {}

 private:
  struct Ouvert {
    std::wstring chemin;
    size_t position = 0;
  };
  // The path without its long form; false (with the error set) when a short form passes MAX_PATH.
  bool Chemin(const std::wstring& demande, std::wstring& chemin) const;
  bool Indelebile(const std::wstring& chemin) const;
  std::map<HANDLE, Ouvert> ouverts_;
  int horloge_ = 100;
  intptr_t prochain_ = 0x1000;
};
