// Common dialogs and message boxes of the program, seen from outside.
#include "Pilote.h"

#include <dlgs.h>

namespace pilote {

void Cliquer(HWND bouton) { PostMessageW(bouton, BM_CLICK, 0, 0); }

HWND Bouton(HWND dialogue, int id) { return GetDlgItem(dialogue, id); }

namespace {

// The file-name field: an edit inside the combo box that carries the common dialogs' identifier, or a
// plain edit in older templates.
HWND ChampNom(HWND dialogue) {
  HWND champ = FindWindowExW(GetDlgItem(dialogue, cmb13), nullptr, nullptr, nullptr);
  if (HWND edit = champ ? FindWindowExW(champ, nullptr, L"Edit", nullptr) : nullptr) return edit;
  return champ ? champ : GetDlgItem(dialogue, edt1);
}

}  // namespace

std::wstring NomPropose(HWND dialogue) {
  HWND champ = ChampNom(dialogue);
  return champ ? Texte(champ) : std::wstring();
}

bool ChoisirFichier(HWND dialogue, const std::wstring& chemin) {
  HWND champ = ChampNom(dialogue);
  if (!champ) return false;
  SendMessageW(champ, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chemin.c_str()));
  Cliquer(Bouton(dialogue, IDOK));
  return true;
}

std::wstring Message(HWND boite) {
  // The message is the box's static control with text; the icon's has none.
  std::wstring message;
  EnumChildWindows(
      boite,
      [](HWND h, LPARAM l) WINAPI -> BOOL {
        wchar_t classe[16];
        GetClassNameW(h, classe, 16);
        if (_wcsicmp(classe, L"Static") != 0) return TRUE;
        auto& m = *reinterpret_cast<std::wstring*>(l);
        m = Texte(h);
        return m.empty();
      },
      reinterpret_cast<LPARAM>(&message));
  return message;
}

}  // namespace pilote
