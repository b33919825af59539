// Quorvane.com, the console twin of Quorvane.exe. A prompt does not wait for a program of the Windows
// subsystem and never sees its exit code; it finds this one first for "Quorvane" (.COM comes before .EXE
// in PATHEXT). It starts Quorvane.exe from its own folder with the same arguments and its own standard
// handles, waits for it and returns its exit code. Opened from Explorer, with a console of its own, it
// lets that console go first. It does nothing else.
#include <windows.h>

#include <string>

#include "base/LigneDeCommandeRules.h"
#include "base/Tardives.h"
#include "base/Texte.h"
#include "base/Textes.h"

namespace {

// The child shares this console and gets Ctrl+C and Ctrl+Break itself, so that it ends cleanly; the twin
// keeps waiting for it, to return its code.
BOOL WINAPI Attendre(DWORD evenement) { return evenement == CTRL_C_EVENT || evenement == CTRL_BREAK_EVENT; }

// Quorvane.exe in this program's folder.
std::wstring Jumeau() {
  std::wstring chemin(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
  if (n == 0 || n >= chemin.size()) return {};
  chemin.resize(n);
  return chemin.substr(0, chemin.find_last_of(L"\\/") + 1) + L"Quorvane.exe";
}

void Erreur(const std::wstring& texte) {
  HANDLE h = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0, ecrits = 0;
  if (GetConsoleMode(h, &mode)) {
    WriteConsoleW(h, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr);
    return;
  }
  if (const auto octets = base::VersPage(GetConsoleOutputCP() ? GetConsoleOutputCP() : CP_UTF8, texte))
    WriteFile(h, octets->data(), static_cast<DWORD>(octets->size()), &ecrits, nullptr);
}

}  // namespace

int wmain() {
  const std::wstring programme = Jumeau();
  std::wstring ligne = L"\"" + programme + L"\"" + base::ApresLeProgramme(GetCommandLineW());
  DWORD processus[2];
  const auto liste = base::tardives::GetConsoleProcessList();
  if (liste && base::SeulSurSaConsole(liste(processus, 2))) {
    // The console closes with its only process gone, and the child, which has no console to attach to as
    // its parent's, runs as if Explorer had started it. The twin still waits, invisible, for the exit code
    // that a scheduled task or a program without a console reads.
    FreeConsole();
    for (DWORD quel : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) SetStdHandle(quel, nullptr);
  }

  // The child gets this program's standard handles, whatever they lead to (the console, a file, a pipe);
  // one that cannot be made inheritable is not passed, as its value would mean nothing in the child.
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  for (HANDLE* h : {&si.hStdInput, &si.hStdOutput, &si.hStdError})
    if (*h && *h != INVALID_HANDLE_VALUE && !SetHandleInformation(*h, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT))
      *h = nullptr;
  // The show command this twin was given goes on to the window ("start /min Quorvane" starts the twin), unless it
  // hides: a window started hidden would never show.
  STARTUPINFOW donne{};
  donne.cb = sizeof donne;
  GetStartupInfoW(&donne);
  if ((donne.dwFlags & STARTF_USESHOWWINDOW) && donne.wShowWindow != SW_HIDE && donne.wShowWindow <= SW_MAX) {
    si.dwFlags |= STARTF_USESHOWWINDOW;
    si.wShowWindow = donne.wShowWindow;
  }

  SetConsoleCtrlHandler(Attendre, TRUE);
  PROCESS_INFORMATION pi{};
  if (programme.empty() ||
      !CreateProcessW(programme.c_str(), ligne.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    Erreur(base::Remplir(base::Texte::LancementImpossible, {programme.empty() ? L"Quorvane.exe" : programme}) +
           L"\r\n");
    return 1;
  }
  CloseHandle(pi.hThread);
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}
