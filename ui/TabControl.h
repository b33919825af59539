#pragma once
// A real tab control whose items carry the page captions. Its pages are containers stacked at the same
// place; only the page on show is visible and enabled for input.
#include <functional>
#include <memory>
#include <vector>

#include "ui/Container.h"

namespace ui {

class TabControl : public Control {
 public:
  explicit TabControl(const Creation& c);

  // Adds a page (a child of this control) under a tab of the given caption; the first page starts on
  // show and enabled, the others hidden and disabled.
  void AjouterPage(Panneau& page, const wchar_t* legende);
  const std::vector<Panneau*>& Pages() const { return pages_; }
  int IndexActif() const { return actif_; }
  // Selects the tab: its page is enabled and brought to the front, the page it replaces is disabled.
  void Activer(int index);

  bool SurNotification(const NMHDR& nm, LRESULT& resultat) override;

 private:
  std::vector<Panneau*> pages_;
  int actif_ = -1;
};

}  // namespace ui
