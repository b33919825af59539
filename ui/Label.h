#pragma once
// A label: a STATIC control whose window text is its caption ('&' marks a mnemonic, "&&" shows '&').
// It fits its text on one line unless it has a fixed size or wraps its words at a fixed width. Without a
// colour of its own it is transparent over its parent; with one it is opaque, its text on a band of it.
#include <optional>

#include "ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  explicit Label(const Creation& c);

  void SetTexte(const std::wstring& texte) override;
  // Sets the background colour (0x00BBGGRR); the label stops following its parent's colour.
  void SetCouleur(COLORREF couleur);
  std::optional<COLORREF> Couleur() const { return couleur_; }

  HBRUSH SurCouleur(HDC dc) override;

 private:
  // The size the text needs: its own width on one line, or the given width when it wraps its words.
  SIZE Taille(const std::wstring& texte, int largeurDonnee) const;
  void Ajuster(const std::wstring& texte);

  uint16_t options_;
  HFONT police_;
  std::optional<COLORREF> couleur_;
  ObjetGdi<HBRUSH> pinceau_;
};

}  // namespace ui
