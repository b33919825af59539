#include "probes/DxFiles.h"
#include "probes/Sondes.h"
#include "probes/VideoRules.h"
#include "base/Texte.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <optional>
#include <string>

namespace sondes {
namespace {

using Microsoft::WRL::ComPtr;

// The probe's one value holder, emptied on every way out. A property is taken only when it comes with the
// type its name announces: anything else counts as not given, and its field keeps its default.
class Valeur {
 public:
  Valeur() { VariantInit(&v_); }
  ~Valeur() { VariantClear(&v_); }
  Valeur(const Valeur&) = delete;
  Valeur& operator=(const Valeur&) = delete;

  std::optional<std::string> Texte(IDxDiagContainer* c, const wchar_t* nom) {
    if (!Lire(c, nom, VT_BSTR)) return std::nullopt;
    // A null BSTR is an empty text; a text the code page cannot take counts as not given.
    return V_BSTR(&v_) ? base::VersAnsi(V_BSTR(&v_)) : std::string();
  }
  std::optional<uint32_t> Entier(IDxDiagContainer* c, const wchar_t* nom) {
    if (!Lire(c, nom, VT_UI4)) return std::nullopt;
    return V_UI4(&v_);
  }
  std::optional<int16_t> Booleen(IDxDiagContainer* c, const wchar_t* nom) {
    if (!Lire(c, nom, VT_BOOL)) return std::nullopt;
    return V_BOOL(&v_);
  }

 private:
  // Emptied first, so that a property the container does not give cannot come back as the previous one.
  bool Lire(IDxDiagContainer* c, const wchar_t* nom, VARTYPE type) {
    VariantClear(&v_);
    return c && SUCCEEDED(c->GetProp(nom, &v_)) && V_VT(&v_) == type;
  }

  VARIANT v_;
};

ComPtr<IDxDiagContainer> Racine(IDxDiagProvider* fournisseur) {
  ComPtr<IDxDiagContainer> racine;
  if (FAILED(fournisseur->GetRootContainer(racine.GetAddressOf()))) racine.Reset();
  return racine;
}

ComPtr<IDxDiagContainer> Enfant(IDxDiagContainer* parent, const wchar_t* nom) {
  ComPtr<IDxDiagContainer> enfant;
  if (parent && FAILED(parent->GetChildContainer(nom, enfant.GetAddressOf()))) enfant.Reset();
  return enfant;
}

// The first display device: child number 0, by name.
ComPtr<IDxDiagContainer> PremierEnfant(IDxDiagContainer* parent) {
  wchar_t nom[256] = {};
  if (!parent || FAILED(parent->EnumChildContainerNames(0, nom, 256))) return nullptr;
  nom[255] = L'\0';  // a name that fills the buffer comes without its terminator
  return nom[0] ? Enfant(parent, nom) : nullptr;
}

void LireFournisseur(ResultatsInspection& r, IDxDiagProvider* fournisseur, Valeur& valeur) {
  DXDIAG_INIT_PARAMS init{};
  init.dwSize = sizeof init;  // 24 in a 64-bit process; the provider refuses any other size
  init.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
  init.bAllowWHQLChecks = TRUE;
  init.pReserved = nullptr;
  fournisseur->Initialize(&init);  // what it could not gather shows as missing containers below

  {
    const ComPtr<IDxDiagContainer> ecrans = Enfant(Racine(fournisseur).Get(), L"DxDiag_DisplayDevices");
    const ComPtr<IDxDiagContainer> ecran = PremierEnfant(ecrans.Get());
    if (auto t = valeur.Texte(ecran.Get(), L"szDescription")) r.MarqueVideo = *t;
    if (auto t = valeur.Texte(ecran.Get(), L"szDisplayMemoryEnglish")) r.MemoireVideo = MemoireVideoSelonTexte(*t);
    if (auto b = valeur.Booleen(ecran.Get(), L"b3DAccelerationExists")) r.Is3D = Is3DSelon(*b);
    if (auto t = valeur.Texte(ecran.Get(), L"szDriverVersion")) r.VerDrv = *t;
  }

  const ComPtr<IDxDiagContainer> systeme = Enfant(Racine(fournisseur).Get(), L"DxDiag_SystemInfo");
  if (auto n = valeur.Entier(systeme.Get(), L"dwDirectXVersionMajor")) r.DxMajeur = *n;
  if (auto n = valeur.Entier(systeme.Get(), L"dwDirectXVersionMinor")) r.DxMineur = *n;
  r.DxLettre = valeur.Texte(systeme.Get(), L"szDirectXVersionLetter").value_or(" ");
  r.DxVersion = TexteVersionFournisseur(r.DxMajeur, r.DxMineur, r.DxLettre);
}

// The metrics are the desktop's size at the thread's scale: a thread that is not DPI aware is told the
// logical size (Windows 8.1 and later, and Windows 7 above 125 %). The display mode is the primary
// screen's in pixels whatever the awareness; where it differs from the primary screen's metrics, the
// desktop is brought to pixels by the same ratio.
void EnPixelsReels(ResultatsInspection& r, Plateforme& plateforme, const DEVMODEA& mode) {
  if (mode.dmPelsWidth == 0 || mode.dmPelsHeight == 0) return;  // no display mode to go by
  const int largeur = plateforme.GetSystemMetrics(SM_CXSCREEN), hauteur = plateforme.GetSystemMetrics(SM_CYSCREEN);
  if (largeur <= 0 || hauteur <= 0) return;
  r.LargeurEcran = MulDiv(r.LargeurEcran, static_cast<int>(mode.dmPelsWidth), largeur);
  r.HauteurEcran = MulDiv(r.HauteurEcran, static_cast<int>(mode.dmPelsHeight), hauteur);
}

}  // namespace

int LireCarteVideo(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme) {
  Valeur valeur;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  uint32_t majeur = 0, mineur = 0;
  char lettre = ' ';

  plateforme.CoInitialize();  // COM may already be initialised on this thread
  ComPtr<IDxDiagProvider> fournisseur;
  if (plateforme.CreerFournisseurDxDiag(fournisseur.GetAddressOf()) == S_OK && fournisseur) {
    LireFournisseur(r, fournisseur.Get(), valeur);
  } else {
    VersionDxParFichiers(plateforme, &majeur, &mineur, &lettre);
    plateforme.MessageBoxA("Impossible de lire les infos de votre carte graphique.", "Attention !",
                           MB_OK | MB_ICONEXCLAMATION);
    r.EchecVideo = 1;
    r.DxMajeur = majeur;
    r.DxMineur = mineur;
    r.DxLettre = std::string(1, lettre);
    r.DxVersion = TexteVersionFichiers(majeur, mineur, lettre);
  }
  fournisseur.Reset();

  plateforme.EnumDisplaySettingsA(mode);  // a failed query leaves the frequency at 0
  r.BitsCouleur = sysInfo.GetColorDepth();
  r.RefreshRate = mode.dmDisplayFrequency;
  const bool multi = plateforme.MultiEcran();  // else the desktop is the primary screen
  r.HauteurEcran = plateforme.GetSystemMetrics(multi ? SM_CYVIRTUALSCREEN : SM_CYSCREEN);
  r.LargeurEcran = plateforme.GetSystemMetrics(multi ? SM_CXVIRTUALSCREEN : SM_CXSCREEN);
  EnPixelsReels(r, plateforme, mode);
  return 0;
}

}  // namespace sondes
