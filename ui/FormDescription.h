#pragma once
// Declarative description of a form: its window and a table of its controls. Plain data, so that the
// layout can be read by tests and tools without a window system.
#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

enum class Kind : uint8_t {
  Picture,        // a picture: a whole image, or one image of an image strip chosen by its index
  PictureButton,  // a button drawn from an image strip; its text is its hint, shown as a tooltip
  Memo,           // multi-line text
  StatusBar,      // one text area
  Tabs,           // tab control; its pages are the TabPage rows whose parent it is
  TabPage,
  Label,
  Panel,
  Button,
};

enum class FontStyle : uint8_t {
  Regular,  // "MS Sans Serif", 11 pixels, regular
  Heading,  // "MS Sans Serif", 13 pixels, bold and underlined
  Bold,     // "MS Sans Serif", 13 pixels, bold
};

enum Option : uint16_t {
  kNone = 0,
  kHidden = 1 << 0,     // created hidden
  kReadOnly = 1 << 1,   // memo
  kWordWrap = 1 << 2,   // label: fixed width, word-wrapped, grows downwards
  kFixedSize = 1 << 3,  // label: keeps the size given instead of fitting its text
  kStretch = 1 << 4,    // picture: stretched to the control
  kDefault = 1 << 5,    // button: the default button (Enter)
  kBevelled = 1 << 6,   // panel: raised inner and lowered outer bevel
  kModalOk = 1 << 7,    // button: closes its modal form with the result OK
};

struct ControlDesc {
  Kind kind;
  const char* name;
  const char* parent;       // nullptr: the form itself
  int x, y, width, height;  // a label's size 0 x 0 means "fits its text"
  const wchar_t* text;      // caption, hint or tab caption
  FontStyle font = FontStyle::Regular;
  uint16_t options = kNone;
  const char* image = nullptr;  // image resource (a picture, or the image strip of a face or status picture)
  int16_t index = -1;           // image of the strip shown; -1 for a whole picture
};

// The kind of window, from its frame: a main window or a dialog box.
enum class BorderStyle : uint8_t {
  Single,  // single border, system menu, minimise and close buttons, no resizing; its own taskbar button
  Dialog,  // dialog frame, close button only; owned by the application's main form
};

// An image strip of the form: a picture resource of that name cut into images of the given size, side by
// side (0: the whole picture is one image).
struct ImageStripDesc {
  const char* name;
  int width, height;
};

enum class FormPosition : uint8_t {
  Designed,      // where it is put (the main form places itself)
  ScreenCenter,  // centred on the primary screen when first shown; afterwards where the user left it
};

struct FormDesc {
  const wchar_t* className;  // window class name, the class name of the form
  const wchar_t* caption;
  int clientWidth, clientHeight;
  BorderStyle border;
  std::span<const ControlDesc> controls;
  std::span<const ImageStripDesc> strips;
  FormPosition position = FormPosition::Designed;
};

// Control identifiers follow the table order, so that tools outside the process can find a control.
constexpr int kFirstControlId = 1000;

inline int ControlId(const FormDesc& form, std::string_view name) {
  for (size_t i = 0; i < form.controls.size(); ++i)
    if (name == form.controls[i].name) return kFirstControlId + static_cast<int>(i);
  return 0;
}

}  // namespace ui
