#pragma once
// Declarative description of a form: its window and a table of its controls. Plain data, so that the
// layout can be read by tests and tools without a window system.
#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

enum class Genre : uint8_t {
  Picture,        // a picture: a whole image, or one image of an image list chosen by its index
  PictureButton,  // a button drawn from an image list; its text is its hint, shown as a tooltip
  Memo,           // multi-line text
  StatusBar,      // one text area
  Tabs,           // tab control; its pages are the TabPage rows whose parent it is
  TabPage,
  Label,
  Panel,
  Button,
};

enum class Police : uint8_t {
  Normal,   // "MS Sans Serif", 11 pixels, regular
  Titre,    // "MS Sans Serif", 13 pixels, bold and underlined
  Legende,  // "MS Sans Serif", 13 pixels, bold
};

enum Option : uint16_t {
  kAucune = 0,
  kCache = 1 << 0,         // created hidden
  kLectureSeule = 1 << 1,  // memo
  kRetourLigne = 1 << 2,   // label: fixed width, word-wrapped, grows downwards
  kTailleFixe = 1 << 3,    // label: keeps the size given instead of fitting its text
  kEtire = 1 << 4,         // picture: stretched to the control
  kParDefaut = 1 << 5,     // button: the default button (Enter)
  kBiseaux = 1 << 6,       // panel: raised inner and lowered outer bevel
  kResultatOk = 1 << 7,    // button: closes its modal form with the result OK
};

struct DescControle {
  Genre genre;
  const char* nom;
  const char* parent;  // nullptr: the form itself
  int x, y, largeur, hauteur;  // a label's size 0 x 0 means "fits its text"
  const wchar_t* texte;        // caption, hint or tab caption
  Police police = Police::Normal;
  uint16_t options = kAucune;
  const char* image = nullptr;  // image resource (a picture, or the image list of a face or status picture)
  int16_t index = -1;           // image of the list shown; -1 for a whole picture
};

enum class Bordure : uint8_t {
  Simple,   // single border, system menu, minimise and close buttons, no resizing
  Dialogue, // dialog frame, close button only
};

// An image list of the form: a PNG resource of that name cut into images of the given size (0: the whole
// picture is one image).
struct DescImages {
  const char* nom;
  int largeur, hauteur;
};

enum class Placement : uint8_t {
  Libre,        // where it is put (the main form places itself)
  CentreEcran,  // centred on the primary screen when first shown; afterwards where the user left it
};

struct DescFormulaire {
  const wchar_t* classe;   // window class name, the class name of the form
  const wchar_t* legende;  // caption
  int largeurClient, hauteurClient;
  Bordure bordure;
  std::span<const DescControle> controles;
  std::span<const DescImages> images;
  Placement placement = Placement::Libre;
};

// Control identifiers follow the table order, so that tools outside the process can find a control.
constexpr int kPremierIdControle = 1000;

inline int IdControle(const DescFormulaire& forme, std::string_view nom) {
  for (size_t i = 0; i < forme.controles.size(); ++i)
    if (nom == forme.controles[i].nom) return kPremierIdControle + static_cast<int>(i);
  return 0;
}

}  // namespace ui
