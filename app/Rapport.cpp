// The report without a window: Quorvane.exe /rapport FICHIER runs the inspection and saves the bytes that
// the window's export would save; /? shows the usage. Nothing here creates a window.
#include "app/Rapport.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>

#include "assess/Enregistrement.h"
#include "assess/ReportRules.h"
#include "base/DllSysteme.h"
#include "base/Exception.h"
#include "base/LigneDeCommandeRules.h"
#include "probes/PlateformeWindows.h"
#include "probes/Sondes.h"
#include "ui/Application.h"
#include "ui/TextRules.h"

namespace appli {
namespace {

constexpr wchar_t kUsage[] =
    L"Quorvane : lecture de configuration.\r\n"
    L"\r\n"
    L"Quorvane\r\n"
    L"    Ouvre la fenêtre.\r\n"
    L"Quorvane /rapport FICHIER\r\n"
    L"    Examine le PC sans fenêtre et enregistre le rapport dans FICHIER.\r\n"
    L"    Code de sortie : 0 si le rapport est enregistré, 1 sinon.\r\n"
    L"Quorvane /?\r\n"
    L"    Affiche cette aide.\r\n";

// A standard handle that leads somewhere (a console, a file, a pipe); nullptr otherwise.
HANDLE Standard(DWORD quel) {
  HANDLE h = GetStdHandle(quel);
  return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN ? h : nullptr;
}

// The standard output and error of whoever started the program. A program of the Windows subsystem starts
// without a console: it attaches to its parent's, if there is one. Handles that the parent gave (a file, a
// pipe) are kept; the others become the console's.
class Console {
 public:
  Console() : sortie_(Standard(STD_OUTPUT_HANDLE)), erreurs_(Standard(STD_ERROR_HANDLE)) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    page_ = GetConsoleOutputCP();
    // After attaching, the standard handles that the parent left empty are the console's; on older systems
    // they may stay empty, and the console's screen is opened by its name.
    for (auto [h, quel] : {std::pair{&sortie_, STD_OUTPUT_HANDLE}, std::pair{&erreurs_, STD_ERROR_HANDLE}}) {
      if (!*h) *h = Standard(quel);
      if (!*h && !ecran_)
        ecran_ = base::Handle(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
      if (!*h) *h = ecran_.get();
    }
  }

  void Sortie(const std::wstring& texte) const { Ecrire(sortie_, texte); }
  void Erreur(const std::wstring& texte) const { Ecrire(erreurs_, texte); }
  // Started from Explorer, a shortcut or the Task Scheduler: no console and no handle to write to.
  bool Muette() const { return !sortie_ && !erreurs_; }
  // Where a box can be seen: not on a window station that nobody sees (a task that runs whether its user
  // is logged on or not), where a box would wait for a click that never comes.
  static bool BoiteVisible() {
    USEROBJECTFLAGS drapeaux{};
    DWORD taille = 0;
    if (!GetUserObjectInformationW(GetProcessWindowStation(), UOI_FLAGS, &drapeaux, sizeof drapeaux, &taille))
      return true;
    return (drapeaux.dwFlags & WSF_VISIBLE) != 0;
  }

 private:
  // Wide text to a console; to a file or a pipe, bytes in the console's output code page, as the console's
  // own programs read them (type, more, findstr), or in UTF-8 without a console.
  void Ecrire(HANDLE h, const std::wstring& texte) const {
    if (!h || texte.empty()) return;
    DWORD mode = 0, ecrits = 0;
    if (GetConsoleMode(h, &mode)) {
      WriteConsoleW(h, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr);
      return;
    }
    if (const auto octets = base::VersPage(page_, texte))
      WriteFile(h, octets->data(), static_cast<DWORD>(octets->size()), &ecrits, nullptr);
  }

  HANDLE sortie_, erreurs_;
  base::Handle ecran_;
  UINT page_ = CP_UTF8;
};

// The probes' platform without a window: the warning that the window shows in a box is a line on the
// error output.
class PlateformeSansFenetre : public sondes::PlateformeWindows {
 public:
  explicit PlateformeSansFenetre(const Console& console) : PlateformeWindows(nullptr), console_(console) {}
  int MessageBoxA(const char* texte, const char* legende, UINT options) override {
    if (console_.Muette())
      return Console::BoiteVisible() ? PlateformeWindows::MessageBoxA(texte, legende, options) : IDOK;
    console_.Erreur(base::DepuisAnsi(legende).value_or(L"") + L" " + base::DepuisAnsi(texte).value_or(L"") + L"\r\n");
    return IDOK;
  }

 private:
  const Console& console_;
};

// The window's inspection run, without the window's placement.
sondes::ResultatsInspection Inspecter(sondes::Plateforme& plateforme) {
  sondes::ResultatsInspection r;
  r.MarqueVideo = "Inconnue";
  r.VerDrv = "Inconnue";
  sondes::TSysInfo sysInfo(plateforme);
  sondes::LireMemoire(r, sysInfo);
  sondes::LireCarteVideo(r, sysInfo, plateforme);
  sondes::LireCPU(r, sysInfo, plateforme);
  sondes::LireOS(r, plateforme);
  return r;
}

}  // namespace

std::wstring TexteValeur(const LigneValeur& valeur, const sondes::ResultatsInspection& r) {
  auto texte = base::DepuisAnsi(valeur.texte(r));
  if (!texte) throw base::Exception(L"Erreur de conversion du texte");
  texte->resize(wcsnlen(texte->c_str(), texte->size()));
  return *texte;
}

std::wstring TexteRapport(const sondes::ResultatsInspection& r) {
  std::vector<bilan::EntreeRapport<std::wstring>> entrees;
  for (const LigneValeur& v : kValeurs) entrees.push_back({v.titre, TexteValeur(v, r), v.separateurApres});
  std::vector<std::wstring> lignes{L""};
  for (std::wstring& ligne : bilan::LignesRapport<std::wstring>(entrees)) lignes.push_back(std::move(ligne));
  return bilan::TexteLignes(lignes);
}

std::string OctetsRapport(const std::wstring& texte) {
  auto octets = base::VersAnsi(texte);
  if (!octets) throw bilan::ErreurEcriture();
  return *octets;
}

namespace {
// Whether anything follows the program's own name.
bool ArgumentsPresents(const wchar_t* ligne) {
  ligne = base::ApresLeProgramme(ligne);
  while (*ligne == L' ' || *ligne == L'\t') ++ligne;
  return *ligne != 0;
}
}  // namespace

Commande CommandeDuProcessus() {
  // The shell's parser costs a plain start the shell DLL: it is loaded only for a command line with arguments.
  const wchar_t* ligne = GetCommandLineW();
  if (!ArgumentsPresents(ligne)) return {};
  const auto decouper = base::FonctionSysteme<decltype(&::CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW");
  int n = 0;
  wchar_t** arguments = decouper ? decouper(ligne, &n) : nullptr;
  // Switches ignore case, as the system's own programs' do.
  auto est = [&](int i, const wchar_t* option) {
    return CompareStringOrdinal(arguments[i], -1, option, -1, TRUE) == CSTR_EQUAL;
  };
  Commande commande;
  for (int i = 1; arguments && i < n && commande.mode == Mode::Fenetre; ++i) {
    if (est(i, L"/?"))
      commande.mode = Mode::Aide;
    else if (est(i, L"/rapport"))
      commande = i + 1 < n ? Commande{Mode::Rapport, arguments[i + 1]} : Commande{Mode::FichierManquant, {}};
  }
  LocalFree(arguments);
  return commande;
}

namespace {

// An error on the console, or in the window's error box when nobody would read the console.
void Signaler(const Console& console, const std::wstring& texte) {
  if (!console.Muette())
    console.Erreur(texte + L"\r\n");
  else if (Console::BoiteVisible())
    MessageBoxW(nullptr, texte.c_str(), L"Lecture de configuration", MB_ICONERROR | MB_OK);
}

// Ctrl+C, Ctrl+Break or the console's closing ends the process from a thread that the system starts for
// the purpose: the end waits for a save in progress, and no save starts after it, so that no temporary
// file is left beside the report. Once a save has run, the program is ending by itself with the save's
// code: the event is taken as handled, so that no second end of the process races the first.
SRWLOCK gEnregistrement = SRWLOCK_INIT;
bool gInterrompu = false;
bool gEnregistre = false;

BOOL WINAPI Interrompre(DWORD) {
  AcquireSRWLockExclusive(&gEnregistrement);
  gInterrompu = true;
  const bool enregistre = gEnregistre;
  ReleaseSRWLockExclusive(&gEnregistrement);
  return enregistre ? TRUE : FALSE;  // FALSE: the system's own handler ends the process
}

void Enregistrer(const std::wstring& fichier, const std::string& octets) {
  AcquireSRWLockExclusive(&gEnregistrement);
  if (gInterrompu) ExitProcess(STATUS_CONTROL_C_EXIT);
  gEnregistre = true;
  try {
    bilan::EnregistrerSansPerte(fichier, octets);
  } catch (...) {
    ReleaseSRWLockExclusive(&gEnregistrement);
    throw;
  }
  ReleaseSRWLockExclusive(&gEnregistrement);
}

// The path as a prompt means it: relative to the current folder, ".." resolved, before the long form.
std::wstring CheminComplet(const std::wstring& fichier) {
  std::wstring complet(32768, L'\0');
  const DWORD n = GetFullPathNameW(fichier.c_str(), static_cast<DWORD>(complet.size()), complet.data(), nullptr);
  if (n == 0 || n >= complet.size()) return fichier;
  complet.resize(n);
  return complet;
}

}  // namespace

int SansFenetre(const Commande& commande) {
  const Console console;
  if (commande.mode == Mode::Aide) {
    // Without a console (a shortcut, the Run box), in a box captioned as the window.
    if (console.Muette() && Console::BoiteVisible())
      MessageBoxW(nullptr, kUsage, L"Lecture de configuration", MB_ICONINFORMATION | MB_OK);
    console.Sortie(kUsage);
    return 0;
  }
  if (commande.mode != Mode::Rapport) {
    Signaler(console, std::wstring(L"Il manque le nom du fichier après /rapport.\r\n\r\n") + kUsage);
    return 1;
  }
  SetConsoleCtrlHandler(Interrompre, TRUE);
  // Resolved at once, against the folder the command was typed in.
  const std::wstring fichier = CheminComplet(commande.fichier);
  // The video probe initialises COM itself for its diagnostic provider; the process ends after the run.
  try {
    PlateformeSansFenetre plateforme(console);
    const std::string octets = OctetsRapport(TexteRapport(Inspecter(plateforme)));
    Enregistrer(fichier, octets);
    return 0;
  } catch (...) {
    // The text of the window's error box.
    Signaler(console, ui::ErrorBoxText(ui::CurrentExceptionMessage()));
    return 1;
  }
}

}  // namespace appli
