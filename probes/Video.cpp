#include "base/Texte.h"
#include "base/Textes.h"
#include "probes/Constats.h"
#include "probes/DxFiles.h"
#include "probes/ExamenRules.h"
#include "probes/Sondes.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <string>

namespace sondes {
namespace {

using Microsoft::WRL::ComPtr;

// The diagnostic provider's answers as the relevé keeps them: each container asked for by its path from
// the root, each property read with its type and value. Nothing here decides what an answer means.
class Lecteur {
 public:
  explicit Lecteur(Releve& releve) : releve_(releve) {}

  ComPtr<IDxDiagContainer> Racine(IDxDiagProvider* fournisseur) {
    ComPtr<IDxDiagContainer> racine;
    const HRESULT hr = fournisseur->GetRootContainer(racine.GetAddressOf());
    releve_.conteneurs.push_back({"", hr, {}});
    if (FAILED(hr)) racine.Reset();
    return racine;
  }

  ComPtr<IDxDiagContainer> Enfant(IDxDiagContainer* parent, const std::string& chemin, const wchar_t* nom) {
    ComPtr<IDxDiagContainer> enfant;
    if (!parent) return enfant;
    const HRESULT hr = parent->GetChildContainer(nom, enfant.GetAddressOf());
    releve_.conteneurs.push_back({chemin, hr, {}});
    if (FAILED(hr)) enfant.Reset();
    return enfant;
  }

  // Child number `index`, by the name the provider gives it; false once the list has ended. The name's
  // path goes to `cheminEnfant` and the child, when it can be had, to `enfant`.
  bool EnfantNumero(IDxDiagContainer* parent, const std::string& chemin, DWORD index, std::string& cheminEnfant,
                    ComPtr<IDxDiagContainer>& enfant) {
    wchar_t nom[256] = {};
    const HRESULT hr = parent->EnumChildContainerNames(index, nom, 256);
    nom[255] = L'\0';  // a name that fills the buffer comes without its terminator
    const std::string nomUtf8 = SUCCEEDED(hr) ? base::VersUtf8(nom) : std::string();
    releve_.conteneurs.push_back({chemin + "#" + std::to_string(index), hr, nomUtf8});
    if (FAILED(hr) || !nom[0]) return false;
    cheminEnfant = chemin + "/" + nomUtf8;
    enfant = Enfant(parent, cheminEnfant, nom);
    return true;
  }

  void Propriete(IDxDiagContainer* c, const std::string& chemin, const wchar_t* nom) {
    if (!c) return;
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = c->GetProp(nom, &v);
    ProprieteDx p{chemin, base::VersUtf8(nom), hr, V_VT(&v), {}, 0};
    switch (V_VT(&v)) {
      case VT_BSTR: p.texte = V_BSTR(&v) ? base::VersUtf8(V_BSTR(&v)) : std::string(); break;
      case VT_BOOL: p.nombre = V_BOOL(&v); break;
      case VT_UI4: p.nombre = V_UI4(&v); break;
      case VT_I4: p.nombre = V_I4(&v); break;
      case VT_UI2: p.nombre = V_UI2(&v); break;
      case VT_I2: p.nombre = V_I2(&v); break;
      default: break;
    }
    VariantClear(&v);
    releve_.proprietes.push_back(std::move(p));
  }

 private:
  Releve& releve_;
};

void LireFournisseur(IDxDiagProvider* fournisseur, Releve& releve) {
  DXDIAG_INIT_PARAMS init{};
  init.dwSize = sizeof init;  // 24 in a 64-bit process; the provider refuses any other size
  init.dwDxDiagHeaderVersion = DXDIAG_DX9_SDK_VERSION;
  init.bAllowWHQLChecks = TRUE;
  init.pReserved = nullptr;
  fournisseur->Initialize(&init);  // what it could not gather shows as missing containers below

  Lecteur lecteur(releve);
  {
    // Every display device, until the provider says the list has ended: a PC may have two cards, or a
    // virtual display listed first.
    const std::string chemin = "DxDiag_DisplayDevices";
    const ComPtr<IDxDiagContainer> ecrans =
        lecteur.Enfant(lecteur.Racine(fournisseur).Get(), chemin, L"DxDiag_DisplayDevices");
    std::string cheminEcran;
    ComPtr<IDxDiagContainer> ecran;
    for (DWORD i = 0;
         ecrans && i < kCartesVideoMax && lecteur.EnfantNumero(ecrans.Get(), chemin, i, cheminEcran, ecran); ++i)
      for (const wchar_t* nom :
           {L"szDescription", L"szDisplayMemoryEnglish", L"b3DAccelerationExists", L"szDriverVersion"})
        lecteur.Propriete(ecran.Get(), cheminEcran, nom);
  }
  const ComPtr<IDxDiagContainer> systeme =
      lecteur.Enfant(lecteur.Racine(fournisseur).Get(), "DxDiag_SystemInfo", L"DxDiag_SystemInfo");
  for (const wchar_t* nom : {L"dwDirectXVersionMajor", L"dwDirectXVersionMinor", L"szDirectXVersionLetter"})
    lecteur.Propriete(systeme.Get(), "DxDiag_SystemInfo", nom);
}

// COM on this thread for the provider's time. It may be initialised already (S_FALSE), which counts as a success
// too: each success is balanced by one CoUninitialize, a failure (another apartment model) by none.
class Com {
 public:
  explicit Com(Plateforme& p) : p_(p) {
    const HRESULT hr = p.CoInitialize();
    initialise_ = hr == S_OK || hr == S_FALSE;
  }
  ~Com() {
    if (initialise_) p_.CoUninitialize();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;

 private:
  Plateforme& p_;
  bool initialise_ = false;
};

}  // namespace

int LireCarteVideo(ResultatsInspection& r, TSysInfo& sysInfo, Plateforme& plateforme, Releve& releve) {
  {
    const Com com(plateforme);  // declared first: it outlives the provider
    ComPtr<IDxDiagProvider> fournisseur;
    HRESULT creation = plateforme.CreerFournisseurDxDiag(fournisseur.GetAddressOf());
    if (creation == S_OK && !fournisseur) creation = E_POINTER;  // "created" without an interface is no provider
    releve.creationFournisseur = creation;
    if (creation == S_OK) {
      LireFournisseur(fournisseur.Get(), releve);
    } else {
      LireVersionsDx(plateforme, releve);
      plateforme.MessageBoxA(base::VersAnsi(base::Dire(base::Texte::CarteIllisible)).value_or("").c_str(),
                             base::VersAnsi(base::Dire(base::Texte::TitreAttention)).value_or("").c_str(),
                             MB_OK | MB_ICONEXCLAMATION);
    }
  }

  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  releve.modeLu = plateforme.EnumDisplaySettingsA(mode) != FALSE;  // a failed query leaves the zeros
  releve.pelsWidth = mode.dmPelsWidth;
  releve.pelsHeight = mode.dmPelsHeight;
  releve.displayFrequency = mode.dmDisplayFrequency;
  releve.bitsPerPel = mode.dmBitsPerPel;
  sysInfo.GetColorDepth(&releve.planes, &releve.bitsPixel);
  releve.multiEcran = plateforme.MultiEcran();  // else the desktop is the primary screen
  if (releve.multiEcran) {
    releve.cyVirtualScreen = plateforme.GetSystemMetrics(SM_CYVIRTUALSCREEN);
    releve.cxVirtualScreen = plateforme.GetSystemMetrics(SM_CXVIRTUALSCREEN);
  } else {
    releve.cyScreen = plateforme.GetSystemMetrics(SM_CYSCREEN);
    releve.cxScreen = plateforme.GetSystemMetrics(SM_CXSCREEN);
  }
  // The primary screen's metrics, to bring the desktop to pixels, when there is a display mode to go by.
  if (mode.dmPelsWidth != 0 && mode.dmPelsHeight != 0) {
    releve.cxScreen = plateforme.GetSystemMetrics(SM_CXSCREEN);
    releve.cyScreen = plateforme.GetSystemMetrics(SM_CYSCREEN);
  }
  DecoderCarteVideo(releve, r, base::AnsiDepuisUtf8);
  return 0;
}

}  // namespace sondes
