#pragma once
// The kit's calls to Windows where Wine answers differently from what Windows documents: the workspace
// coordinates of a window's placement, the user's chosen handler of a protocol, and the processes and
// documents that the help starts. Tests replace it with a fake that plays the documented behaviour.
#include <shlwapi.h>

#include <string>

#include "ui/Win.h"

namespace ui {

class Systeme {
 public:
  virtual ~Systeme() = default;

  // rcNormalPosition is in workspace coordinates for a top-level window without WS_EX_TOOLWINDOW.
  virtual BOOL GetWindowPlacement(HWND fenetre, WINDOWPLACEMENT* placement);
  virtual BOOL SetWindowPlacement(HWND fenetre, const WINDOWPLACEMENT* placement);
  // Where workspace coordinate (0, 0) lies on the screen for that window: the top-left corner of its
  // monitor's work area, relative to the monitor (a taskbar or application bar at the top or the left
  // moves it).
  virtual POINT OrigineEspaceTravail(HWND fenetre);

  virtual HRESULT AssocQueryStringW(ASSOCF options, ASSOCSTR quoi, const wchar_t* association, const wchar_t* verbe,
                                    wchar_t* sortie, DWORD* taille);
  // Starts a program from its command line; the process and thread handles are closed at once.
  virtual bool CreateProcessW(std::wstring ligne);
  // ShellExecuteW with the verb "open": the document's own association.
  virtual bool ShellExecuteW(HWND proprietaire, const std::wstring& document);
};

// The calls in use: the system's, unless a test replaced them (nullptr: the system's again).
Systeme& Sys();
void RemplacerSysteme(Systeme* systeme);

}  // namespace ui
