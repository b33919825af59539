#pragma once
// Fakes of the program's roads to Windows that play what Windows documents where Wine answers otherwise,
// or where a root account cannot show it. Each names the documented rule it plays.
#include <map>
#include <string>
#include <vector>

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
