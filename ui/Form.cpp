#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/Picture.h"
#include "ui/PictureButton.h"
#include "ui/StatusBar.h"
#include "ui/Systeme.h"
#include "ui/TabControl.h"

namespace ui {
namespace {

ObjetGdi<HFONT> CreerPolice(int hauteur, bool gras, bool souligne) {
  // A negative height is the character height in pixels; no scaling with the system's font size.
  return ObjetGdi<HFONT>(CreateFontW(-hauteur, 0, 0, 0, gras ? FW_BOLD : FW_NORMAL, FALSE, souligne, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

DWORD StyleDe(Bordure b) {
  return b == Bordure::Simple ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                              : WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
}

}  // namespace

Form::Form(const DescFormulaire& desc) : Container(std::string(), GetSysColor(COLOR_BTNFACE)), desc_(desc) {
  polices_[static_cast<int>(Police::Normal)] = CreerPolice(11, false, false);
  polices_[static_cast<int>(Police::Titre)] = CreerPolice(13, true, true);
  polices_[static_cast<int>(Police::Legende)] = CreerPolice(13, true, false);

  EnregistrerClasse(desc.classe, CS_DBLCLKS);
  const bool principale = !Application || !Application->MainForm();
  const DWORD style = StyleDe(desc.bordure) | WS_CLIPCHILDREN;
  const DWORD styleEtendu = WS_EX_CONTROLPARENT | (principale ? WS_EX_APPWINDOW : WS_EX_DLGMODALFRAME);
  RECT r{0, 0, desc.largeurClient, desc.hauteurClient};
  AdjustWindowRectEx(&r, style, FALSE, styleEtendu);
  HWND proprietaire = principale ? nullptr : Application->MainForm()->Handle();
  CreateWindowExW(styleEtendu, desc.classe, desc.legende, style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                  r.bottom - r.top, proprietaire, nullptr, GetModuleHandleW(nullptr), static_cast<Control*>(this));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(PoliceDe(Police::Normal)), FALSE);
  if (principale) PoserIcone();
  CreerControles();
}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void Form::CreerControles() {
  std::vector<HWND> images;
  for (size_t i = 0; i < desc_.controles.size(); ++i) {
    const DescControle& d = desc_.controles[i];
    Control* parent = d.parent ? Trouver(d.parent) : this;
    if (!parent) throw std::logic_error(std::string("parent missing from the form description: ") + d.parent);
    const Creation c{d, *this, parent->Handle(), kPremierIdControle + static_cast<int>(i), PoliceDe(d.police)};
    std::unique_ptr<Control> controle;
    switch (d.genre) {
      case Genre::Picture: {
        auto image = std::make_unique<Picture>(c);
        if (!fond_ && !d.parent && d.index < 0) fond_ = image.get();
        images.push_back(image->Handle());
        controle = std::move(image);
        break;
      }
      case Genre::PictureButton: controle = std::make_unique<PictureButton>(c); break;
      case Genre::Memo: controle = std::make_unique<Memo>(c); break;
      case Genre::StatusBar: controle = std::make_unique<StatusBar>(c); break;
      case Genre::Tabs: controle = std::make_unique<TabControl>(c); break;
      case Genre::TabPage: {
        auto* onglets = dynamic_cast<TabControl*>(parent);
        if (!onglets) throw std::logic_error(std::string("a tab page must lie on a tab control: ") + d.nom);
        auto page = std::make_unique<Panneau>(c, L"TTabSheet", RGB(255, 255, 255));
        onglets->AjouterPage(*page, d.texte);
        controle = std::move(page);
        break;
      }
      case Genre::Label: controle = std::make_unique<Label>(c); break;
      case Genre::Panel: controle = std::make_unique<Panneau>(c, L"TPanel", Couleur()); break;
      case Genre::Button:
        if (d.options & kParDefaut) idDefaut_ = c.id;
        controle = std::make_unique<Button>(c);
        break;
    }
    controles_.push_back(std::move(controle));
  }
  // Pictures are painted surfaces: they go under the other controls of their parent (the first created
  // lowest), so that an overlapping label or button is never covered by a picture's edge.
  for (auto it = images.rbegin(); it != images.rend(); ++it)
    SetWindowPos(*it, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Control* Form::Trouver(std::string_view nom) const {
  for (const auto& c : controles_)
    if (c->Nom() == nom) return c.get();
  return nullptr;
}

ImageList& Form::Images(const char* nom) {
  auto it = images_.find(nom);
  if (it != images_.end()) return *it->second;
  int largeur = 0, hauteur = 0;
  for (const DescImages& d : desc_.images)
    if (std::string_view(d.nom) == nom) largeur = d.largeur, hauteur = d.hauteur;
  return *images_.emplace(nom, std::make_unique<ImageList>(nom, largeur, hauteur)).first->second;
}

void Form::AjouterInfoBulle(HWND controle, const std::wstring& texte) {
  if (!infoBulles_)
    infoBulles_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW outil{};
  outil.cbSize = sizeof outil;
  outil.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  outil.hwnd = hwnd_;
  outil.uId = reinterpret_cast<UINT_PTR>(controle);
  outil.lpszText = const_cast<wchar_t*>(texte.c_str());
  SendMessageW(infoBulles_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&outil));
}

void Form::DeclencherOnShow() {
  montre_ = true;
  if (!OnShow) return;
  try {
    OnShow(this);
  } catch (...) {
    GererException();
  }
}

void Form::Show() {
  if (!montre_ && desc_.placement == Placement::CentreEcran) CentrerSurLEcran();
  if (!montre_) DeclencherOnShow();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

void Form::ShowMinimiseDiffere() {
  onShowEnAttente_ = true;
  ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
}

RECT Form::RectangleNormal() const {
  RECT r{};
  if (!IsIconic(hwnd_)) {
    GetWindowRect(hwnd_, &r);
    return r;
  }
  // Minimised: the place it will be restored to, which the placement gives in workspace coordinates.
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  Sys().GetWindowPlacement(hwnd_, &wp);
  const POINT origine = Sys().OrigineEspaceTravail(hwnd_);
  r = wp.rcNormalPosition;
  OffsetRect(&r, origine.x, origine.y);
  return r;
}

int Form::Top() const { return RectangleNormal().top; }
int Form::Left() const { return RectangleNormal().left; }

void Form::SetTop(int top) { Deplacer(top, Left()); }
void Form::SetLeft(int left) { Deplacer(Top(), left); }

void Form::Deplacer(int top, int left) {
  if (IsIconic(hwnd_)) {
    // Minimised: move the place it will be restored to, and stay minimised. The placement takes workspace
    // coordinates, which a taskbar at the top or the left shifts from the screen's.
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    Sys().GetWindowPlacement(hwnd_, &wp);
    const POINT origine = Sys().OrigineEspaceTravail(hwnd_);
    OffsetRect(&wp.rcNormalPosition, left - origine.x - wp.rcNormalPosition.left,
               top - origine.y - wp.rcNormalPosition.top);
    wp.showCmd = SW_SHOWMINNOACTIVE;
    Sys().SetWindowPlacement(hwnd_, &wp);
    // A restore under way may have read the old place already (the show handler of a minimised start
    // runs inside it): the restore's own move is corrected when it comes.
    placeRestauree_ = POINT{left, top};
  } else {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// A minimised window has no client area; a form keeps the size of its description.
int Form::ClientWidth() const {
  RECT r;
  if (IsIconic(hwnd_) || !GetClientRect(hwnd_, &r)) return desc_.largeurClient;
  return r.right;
}

int Form::ClientHeight() const {
  RECT r;
  if (IsIconic(hwnd_) || !GetClientRect(hwnd_, &r)) return desc_.hauteurClient;
  return r.bottom;
}

LRESULT Form::Message(UINT msg, WPARAM wp, LPARAM lp) {
  const bool principale = Application && Application->MainForm() == this;
  switch (msg) {
    case WM_CLOSE:
      if (principale) Application->Terminate();
      else if (modal_) ModalResult = 2;  // cancel
      else ShowWindow(hwnd_, SW_HIDE);
      return 0;
    case WM_SIZE:
      if (principale) Application->MiroirMinimise(wp == SIZE_MINIMIZED);
      break;
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      if (placeRestauree_ && !IsIconic(hwnd_) && !(pos->flags & SWP_NOMOVE)) {
        pos->x = placeRestauree_->x;
        pos->y = placeRestauree_->y;
        placeRestauree_.reset();
      }
      break;
    }
    case DM_GETDEFID:
      // The dialog manager asks for the button that Enter presses.
      return idDefaut_ ? MAKELRESULT(idDefaut_, DC_HASDEFID) : 0;
    case WM_QUERYOPEN:
      // First restore after a minimised start: the show handler runs before the window comes up.
      if (onShowEnAttente_) {
        onShowEnAttente_ = false;
        DeclencherOnShow();
      }
      return TRUE;
  }
  return Container::Message(msg, wp, lp);
}

}  // namespace ui
