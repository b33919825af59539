#pragma once
// Base of every control of the kit: one real Win32 child window, found again from its handle.
#include <string>

#include "ui/FormDescription.h"
#include "ui/Win.h"

namespace ui {

class Form;
class Container;

// What a control needs to create its window: its row of the description and where it lives.
struct Creation {
  const DescControle& desc;
  Form& forme;
  HWND parent;
  int id;
  HFONT police;
};

class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return hwnd_; }
  const std::string& Nom() const { return nom_; }

  std::wstring Texte() const;
  virtual void SetTexte(const std::wstring& texte);

  // Geometry in the parent's client coordinates.
  RECT Cadre() const;
  void SetCadre(int x, int y, int largeur, int hauteur);
  bool Actif() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetActif(bool actif) { EnableWindow(hwnd_, actif); }
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

  // Notifications that Windows sends to the parent, handed back to the control they concern.
  virtual HBRUSH SurCouleur(HDC) { return nullptr; }
  virtual bool SurDessin(const DRAWITEMSTRUCT&) { return false; }
  virtual void SurCommande(WORD) {}
  virtual bool SurNotification(const NMHDR&, LRESULT&) { return false; }

  static Control* Depuis(HWND hwnd);

 protected:
  // Window procedure of the kit's own window classes: messages go to Message() of the object.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static void EnregistrerClasse(const wchar_t* classe, UINT style = 0);
  virtual LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

  explicit Control(std::string nom) : nom_(std::move(nom)) {}
  // Creates the child window described by the row and ties it to this object.
  void Creer(const Creation& c, const wchar_t* classe, DWORD style, DWORD styleEtendu = 0);
  void Attacher(HWND hwnd);

  HWND hwnd_ = nullptr;
  std::string nom_;
};

}  // namespace ui
