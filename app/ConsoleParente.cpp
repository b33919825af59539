#include "app/ConsoleParente.h"

#include <utility>

#include "base/Tardives.h"
#include "base/Texte.h"
#include "base/Textes.h"

namespace appli {
namespace {

// A standard handle that leads somewhere (a console, a file, a pipe); nullptr otherwise.
HANDLE Standard(DWORD quel) {
  HANDLE h = GetStdHandle(quel);
  return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN ? h : nullptr;
}

}  // namespace

Console::Console() : sortie_(Standard(STD_OUTPUT_HANDLE)), erreurs_(Standard(STD_ERROR_HANDLE)) {
  const auto attacher = base::tardives::AttachConsole();
  if (!attacher || !attacher(ATTACH_PARENT_PROCESS)) return;
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

bool Console::BoiteVisible() {
  USEROBJECTFLAGS drapeaux{};
  DWORD taille = 0;
  if (!GetUserObjectInformationW(GetProcessWindowStation(), UOI_FLAGS, &drapeaux, sizeof drapeaux, &taille))
    return true;
  return (drapeaux.dwFlags & WSF_VISIBLE) != 0;
}

void Console::Signaler(const std::wstring& texte) const {
  if (!Muette())
    Erreur(texte + L"\r\n");
  else if (BoiteVisible())
    MessageBoxW(nullptr, texte.c_str(), base::Dire(base::Texte::TitreApplication), MB_ICONERROR | MB_OK);
}

// Wide text to a console; to a file or a pipe, bytes in the console's output code page, as the console's
// own programs read them (type, more, findstr), or in UTF-8 without a console.
void Console::Ecrire(HANDLE h, const std::wstring& texte) const {
  if (!h || texte.empty()) return;
  DWORD mode = 0, ecrits = 0;
  if (GetConsoleMode(h, &mode)) {
    WriteConsoleW(h, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr);
    return;
  }
  if (const auto octets = base::VersPage(page_, texte))
    WriteFile(h, octets->data(), static_cast<DWORD>(octets->size()), &ecrits, nullptr);
}

}  // namespace appli
