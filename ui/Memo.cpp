#include "ui/Memo.h"

namespace ui {

Memo::Memo(const Creation& c) : Control(c.desc.nom) {
  // No soft wrap: the text keeps only the line ends that were added either way, and a narrow edit that
  // wraps reflows its whole text on every change, which costs a visible delay at start-up under Wine.
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
  if (c.desc.options & kLectureSeule) style |= ES_READONLY;
  Creer(c, L"Edit", style, WS_EX_CLIENTEDGE);
  // A new memo holds one empty line.
  Control::SetTexte(L"\r\n");
}

std::vector<std::wstring> Memo::Lines() const {
  std::vector<std::wstring> lignes;
  const std::wstring texte = Texte();
  size_t debut = 0;
  for (size_t fin; (fin = texte.find(L"\r\n", debut)) != std::wstring::npos; debut = fin + 2)
    lignes.push_back(texte.substr(debut, fin - debut));
  if (debut < texte.size()) lignes.push_back(texte.substr(debut));
  return lignes;
}

void Memo::Add(const std::wstring& ligne) { Add(std::vector<std::wstring>{ligne}); }

void Memo::Add(const std::vector<std::wstring>& lignes) {
  std::wstring texte;
  for (const auto& ligne : lignes) texte += ligne + L"\r\n";
  // Appended after the last line in one change.
  const int fin = GetWindowTextLengthW(hwnd_);
  SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(fin), fin);
  SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(texte.c_str()));
}

}  // namespace ui
