#pragma once
// The kit's calls to Windows where Wine answers differently from what Windows documents: the workspace
// coordinates of a window's placement, the user's chosen handler of a protocol, and the processes and
// documents that the help starts; and the calls into DLLs that only a command needs (the shell, its light
// API and the common dialogs), which load on first use; the error box, and the clipboard that another
// program may hold. Tests replace it with a fake that plays the documented behaviour.
#include <shlwapi.h>

#include "ui/Win.h"  // before the dialog header, which needs the Windows types

#include <commdlg.h>

#include <string>

namespace ui {

class System {
 public:
  virtual ~System() = default;

  // rcNormalPosition is in workspace coordinates for a top-level window without WS_EX_TOOLWINDOW.
  virtual BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
  virtual BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement);
  // Where workspace coordinate (0, 0) lies on the screen for that window: the top-left corner of its
  // monitor's work area, relative to the monitor (a taskbar or application bar at the top or the left
  // moves it).
  virtual POINT WorkAreaOrigin(HWND window);

  virtual HRESULT AssocQueryStringW(ASSOCF options, ASSOCSTR what, const wchar_t* association, const wchar_t* verb,
                                    wchar_t* out, DWORD* size);
  // Starts a program from its command line; the process and thread handles are closed at once.
  virtual bool CreateProcessW(std::wstring line);
  // ShellExecuteW with the verb "open": the document's own association.
  virtual bool ShellExecuteW(HWND owner, const std::wstring& document);
  virtual BOOL GetSaveFileNameW(OPENFILENAMEW* dialog);
  virtual int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
  // Fails while another window has the clipboard open.
  virtual BOOL OpenClipboard(HWND owner);
  virtual void Sleep(DWORD milliseconds);
  // SystemParametersInfoForDpi where it exists (Windows 10 1607); FALSE without it.
  virtual BOOL SystemParametersInfoForDpi(UINT action, UINT param, void* value, UINT winIni, UINT dpi);
  // SPI_GETNONCLIENTMETRICS: Windows before Vista refuses a structure that holds iPaddedBorderWidth.
  virtual BOOL SystemParametersInfoW(UINT action, UINT param, void* value, UINT winIni);

  // The UI state of a window's cues (WM_QUERYUISTATE), and its change for the window's whole tree
  // (WM_CHANGEUISTATE, which the top-level window passes down as WM_UPDATEUISTATE when the state changes).
  // Wine keeps no UI state: every cue shows.
  virtual LRESULT QueryUIState(HWND window);
  virtual void ChangeUIState(HWND window, WORD action, WORD flags);
};

// The calls in use: the system's, unless a test replaced them (nullptr: the system's again).
System& Sys();
void SetSystem(System* system);

}  // namespace ui
