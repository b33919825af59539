#pragma once
// Pictures embedded in the program as PNG resources, decoded once into premultiplied 32-bit bitmaps so
// that they draw with their alpha over whatever is behind them.
#include "ui/Win.h"

namespace ui {

class ImageList {
 public:
  // A strip of images of the given size, side by side; a size of 0 takes the whole picture as one image.
  ImageList(const char* ressource, int largeur, int hauteur);

  int Largeur() const { return largeur_; }
  int Hauteur() const { return hauteur_; }
  int Nombre() const { return largeur_ ? largeurTotale_ / largeur_ : 0; }
  HBITMAP Bitmap() const { return bitmap_.get(); }

  // Draws image `index` at its natural size; an index outside the list draws nothing.
  void Dessiner(HDC dc, int x, int y, int index) const;
  // Draws part of image `index` (source rectangle relative to that image) onto a rectangle.
  void DessinerPartie(HDC dc, const RECT& cible, int index, const RECT& source) const;

 private:
  ObjetGdi<HBITMAP> bitmap_;
  int largeurTotale_ = 0;
  int largeur_ = 0;
  int hauteur_ = 0;
};

// Decodes a PNG resource of the program; throws ui::Exception when it is missing or unreadable.
HBITMAP ChargerPng(const char* ressource, int& largeur, int& hauteur);

}  // namespace ui
