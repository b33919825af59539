#pragma once
// A top-level window built from its description, owning its controls, fonts and image lists.
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "ui/Container.h"
#include "ui/Images.h"

namespace ui {

class Picture;

class Form : public Container {
 public:
  explicit Form(const DescFormulaire& desc);
  ~Form() override;

  const DescFormulaire& Description() const { return desc_; }
  Control* Trouver(std::string_view nom) const;
  // The control of that name, of that kind; a missing one is a fault of the description.
  template <class T>
  T* Controle(std::string_view nom) const {
    auto* c = dynamic_cast<T*>(Trouver(nom));
    if (!c) throw std::logic_error("control missing from the form description: " + std::string(nom));
    return c;
  }

  // Raised once, when the form first goes from hidden to shown, before it is on the screen.
  std::function<void(Control* sender)> OnShow;
  void Show();
  // The show of a minimised start: on the taskbar, minimised, OnShow held back until the first restore.
  void ShowMinimiseDiffere();
  // Modal run: the main form takes no input until ModalResult is set; the form is then hidden. The focus
  // starts on the first control that takes it.
  int ShowModal();
  int ModalResult = 0;
  void Close() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

  // Outer position in screen coordinates; while minimised it is the position the window is restored to.
  int Top() const;
  int Left() const;
  void SetTop(int top);
  void SetLeft(int left);
  int ClientWidth() const;
  int ClientHeight() const;

  HFONT PoliceDe(Police police) const { return polices_[static_cast<int>(police)].get(); }
  // The image list of that name, loaded on first use and shared by the controls that show it.
  ImageList& Images(const char* nom);
  // Shows `texte` as a tooltip when the mouse rests on the control.
  void AjouterInfoBulle(HWND controle, const std::wstring& texte);
  // The picture that transparent controls show through (the form's background).
  Picture* Fond() const { return fond_; }

 protected:
  LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreerControles();
  void PoserIcone();
  void CentrerSurLEcran();
  void DeclencherOnShow();
  void Deplacer(int top, int left);
  RECT RectangleNormal() const;  // screen coordinates, also while minimised

  const DescFormulaire& desc_;
  std::vector<std::unique_ptr<Control>> controles_;
  ObjetGdi<HFONT> polices_[3];
  std::map<std::string, std::unique_ptr<ImageList>, std::less<>> images_;
  Picture* fond_ = nullptr;
  HWND infoBulles_ = nullptr;
  bool montre_ = false;
  bool onShowEnAttente_ = false;
  bool modal_ = false;
  int idDefaut_ = 0;  // the default button's identifier, 0 for none
  // Where a minimised form was moved to; applied when it is restored.
  std::optional<POINT> placeRestauree_;
};

}  // namespace ui
