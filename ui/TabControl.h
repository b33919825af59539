#pragma once
// A real tab control whose items carry the page captions, drawn in its own skin: a white body framed in
// the style's border colour, and tabs laid out from the style's offset. Its pages are containers stacked
// at the same place; only the page on show is visible and enabled for input.
//
// The skin is the built-in blue style unless a theme file (see ui/ThemeRules.h) is found: first at its
// absolute path, then under the same name beside the program. A missing or malformed file is not reported.
#include <memory>
#include <string>
#include <vector>

#include "ui/Container.h"
#include "ui/ThemeRules.h"

namespace ui {

class Form;

// The style of the theme file: the first of the two paths that exists, read; the built-in style when
// neither exists or the file found is malformed.
TabStyle LoadTheme(const std::wstring& absolute, const std::wstring& programFolder);

class TabControl : public Control {
 public:
  // The theme file's absolute path.
  static constexpr wchar_t kTheme[] = L"C:\\Program Files\\Quorvane\\Onglets.ini";

  explicit TabControl(const CreateParams& c);
  ~TabControl() override;

  // Makes a page of the row (a child of this control) under a tab of the row's caption: the first page
  // on show and enabled, the others made hidden and disabled. The caller owns it.
  std::unique_ptr<Panel> CreatePage(const CreateParams& c);
  // Shows the tab's page: enabled and brought to the front; the page it replaces is disabled and hidden.
  void Activate(int index);
  // Selects the tab as a click does: the parent asked first (TCN_SELCHANGING), then the tab changed, then
  // the parent told (TCN_SELCHANGE), which shows its page.
  void SelectAsClicked(int index);
  // The tab selected (-1: none), and how many there are.
  int Selected() const { return static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)); }
  int Count() const { return static_cast<int>(pages_.size()); }

  bool HandleNotify(const NMHDR& nm, LRESULT& result) override;

 private:
  // Lengths of the skin at 96 dpi, scaled by the form's dpi.
  static constexpr int kBodyTop = 24;  // the body's frame runs along this row, under the tabs
  static constexpr int kRaise = 3;     // the tab on show stands this much higher than the others

  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Intercept(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);  // the control's own procedure
  void Layout();
  int HitTab(POINT p) const;
  void Paint(HDC dc) const;
  void PaintTab(HDC dc, int index, bool active) const;

  Form& form_;
  TabStyle style_;
  std::vector<Panel*> pages_;
  std::vector<std::wstring> captions_;
  std::vector<RECT> tabs_;  // the tabs as drawn and hit, in client coordinates
  int active_ = -1;
  WNDPROC control_ = nullptr;
};

}  // namespace ui
