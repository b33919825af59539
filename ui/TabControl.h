#pragma once
// A real tab control whose items carry the page captions, drawn in its own skin: a white body framed in
// the style's border colour, and tabs laid out from the style's offset. Its pages are containers stacked
// at the same place; only the page on show is visible and enabled for input.
//
// The skin is the built-in blue style unless a theme file (see ui/ThemeRules.h) is found: first at its
// absolute path, then under the same name beside the program. A missing or malformed file is not reported.
#include <string>
#include <vector>

#include "ui/Container.h"
#include "ui/ThemeRules.h"

namespace ui {

class Form;

// The style of the theme file: the first of the two paths that exists, read; the built-in style when
// neither exists or the file found is malformed.
StyleOnglets ChargerTheme(const std::wstring& absolu, const std::wstring& dossierProgramme);

class TabControl : public Control {
 public:
  // The theme file's absolute path.
  static constexpr wchar_t kTheme[] = L"C:\\Program Files\\Quorvane\\Onglets.ini";

  explicit TabControl(const Creation& c);
  ~TabControl() override;

  // Adds a page (a child of this control) under a tab of the given caption; the first page starts on
  // show and enabled, the others hidden and disabled.
  void AjouterPage(Panneau& page, const wchar_t* legende);
  const std::vector<Panneau*>& Pages() const { return pages_; }
  int IndexActif() const { return actif_; }
  // Selects the tab: its page is enabled and brought to the front, the page it replaces is disabled.
  void Activer(int index);
  const StyleOnglets& Style() const { return style_; }

  bool SurNotification(const NMHDR& nm, LRESULT& resultat) override;

 private:
  static constexpr int kHautCorps = 24;  // the body's frame runs along this row, under the tabs
  static constexpr int kLeve = 3;        // the tab on show stands this much higher than the others

  static LRESULT CALLBACK SousClasse(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR donnees);
  LRESULT Intercepter(UINT msg, WPARAM wp, LPARAM lp);
  void Disposer();
  int Toucher(POINT p) const;
  void Choisir(int index);
  void Peindre(HDC dc) const;
  void PeindreOnglet(HDC dc, int index, bool actif) const;

  Form& forme_;
  StyleOnglets style_;
  std::vector<Panneau*> pages_;
  std::vector<std::wstring> legendes_;
  std::vector<RECT> onglets_;  // the tabs as drawn and hit, in client coordinates
  int actif_ = -1;
  bool clavier_ = false;  // the focus is shown once the keyboard is used, as the system's own controls do
};

}  // namespace ui
