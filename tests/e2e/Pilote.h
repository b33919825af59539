#pragma once
// Drives the real Quorvane.exe from outside, the way an accessibility tool does: start it, find its
// windows, read their texts and the tab control's items, click, close, wait for its exit code.
#include <string>
#include <vector>

#include "ui/FormDescription.h"
#include "ui/Win.h"

namespace pilote {

// The folder of the test programs, where the build puts Quorvane.exe and its help page.
std::wstring DossierDesTests();
// A copy of Quorvane.exe under its own file name, in a folder of its own: its own mutex, and its own
// per-program Wine settings.
std::wstring Copie(const std::wstring& nomFichier, const std::wstring& sousDossier = L"");
// The Windows version that Wine reports to the program of that file name (winxp64, win2k, win10, ...).
void VersionWindows(const std::wstring& nomFichier, const wchar_t* version);
// What WINEDLLOVERRIDES=<dll>=d does, for the program of that file name only. Wine's loader reads that
// variable from the Unix environment, which a process started from Windows inherits from its parent
// unchanged, so the per-program override is the way to reach a program started from here.
void DesactiverDll(const std::wstring& nomFichier, const wchar_t* dll);

class Processus {
 public:
  Processus() = default;
  // Starts the program with the given show command, extra environment variables ("NAME=value") and
  // arguments; its output and error go to the given inheritable handles, if any. `detache`: no console and
  // no standard handle at all, as Explorer or the Task Scheduler starts it.
  explicit Processus(const std::wstring& exe, int affichage = SW_SHOWNORMAL,
                     const std::vector<std::wstring>& environnement = {}, const std::wstring& arguments = L"",
                     HANDLE sortie = nullptr, HANDLE erreurs = nullptr, bool detache = false);
  Processus(Processus&&) = default;
  Processus& operator=(Processus&&) = default;
  ~Processus();  // a process still running is closed, then ended

  DWORD Pid() const { return pid_; }
  HANDLE Handle() const { return process_.get(); }
  // The exit code, or -1 when the process has not ended within the delay.
  long AttendreFin(DWORD ms);
  // Freezes or thaws every thread of the process, as a program that stopped answering.
  void Suspendre(bool suspendre) const;
  // The top-level window of the process with that class, once it is visible (nullptr after the delay).
  HWND Fenetre(const wchar_t* classe, DWORD ms = 20000, bool visible = true) const;
  // A visible dialog box of the process (a common dialog, a message box) with that title.
  HWND Dialogue(const wchar_t* titre, DWORD ms = 10000) const;

 private:
  base::Handle process_;
  DWORD pid_ = 0;
};

// The top-level windows of a class, whatever their process.
std::vector<HWND> Fenetres(const wchar_t* classe);
// A control of the main window, by its name in the form description.
HWND Controle(HWND fiche, const char* nom);
// A control of another form (the about box), by its name in that form's description.
HWND Controle(HWND fenetre, const ui::FormDesc& forme, const char* nom);
// Clicks a button the way an accessibility tool does (BM_CLICK, posted: a click may open a modal box).
void Cliquer(HWND bouton);
std::wstring Texte(HWND fenetre);
// Selects a tab by a mouse click on it, as a user does.
void CliquerOnglet(HWND onglets, int index);
// A tab's rectangle, in the tab control's client coordinates.
RECT RectOnglet(HWND onglets, int index);
// Real key presses, as a keyboard makes them (SendInput): the keys pressed in order, then released in the
// reverse order ({VK_CONTROL, VK_TAB} is Ctrl+Tab). They go to the window with the focus.
void Touches(const std::vector<WORD>& touches);
// The window with the keyboard focus in the thread of that window.
HWND Focus(HWND fenetre);
// The button of a dialog box with that command identifier (IDOK, IDCANCEL...).
HWND Bouton(HWND dialogue, int id);
// The text of the file-name field of a save or open dialog.
std::wstring NomPropose(HWND dialogue);
// Types a name into the file-name field of a save or open dialog and presses its Save/Open button.
bool ChoisirFichier(HWND dialogue, const std::wstring& chemin);
// The message of a message box.
std::wstring Message(HWND boite);
// Writes what the screen shows of the window (frame included) to a PNG file; false on failure.
bool Capturer(HWND fenetre, const std::wstring& fichierPng);
// What the screen shows of a rectangle of the window's client area, pixel by pixel.
std::vector<DWORD> Pixels(HWND fenetre, const RECT& zone);
// The colour the screen shows at a point of the window's client area.
COLORREF Pixel(HWND fenetre, int x, int y);
// Waits until `condition` holds, pumping nothing; false after the delay.
template <class F>
bool Attendre(F condition, DWORD ms) {
  for (DWORD debut = GetTickCount(); !condition();) {
    if (GetTickCount() - debut > ms) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace pilote
