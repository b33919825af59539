#include "FauxDxDiag.h"

#include <algorithm>
#include <cstring>

long gReferencesNettes = 0;

namespace {

ULONG Prendre(ULONG& refs) {
  ++gReferencesNettes;
  return ++refs;
}

template <class T>
ULONG Lacher(T* objet, ULONG& refs) {
  --gReferencesNettes;
  const ULONG reste = --refs;
  if (reste == 0) delete objet;
  return reste;
}

template <class T>
HRESULT Interroger(T* objet, REFIID iid, const GUID& propre, void** sortie) {
  if (iid != IID_IUnknown && iid != propre) {
    *sortie = nullptr;
    return E_NOINTERFACE;
  }
  objet->AddRef();
  *sortie = objet;
  return S_OK;
}

HRESULT Donner(FauxConteneur* conteneur, IDxDiagContainer** sortie) {
  conteneur->AddRef();
  *sortie = conteneur;
  return S_OK;
}

}  // namespace

FauxConteneur::~FauxConteneur() {
  for (auto& p : proprietes_) VariantClear(&p.second);
}

FauxConteneur* FauxConteneur::Ajouter(const std::wstring& nom) {
  Microsoft::WRL::ComPtr<FauxConteneur> enfant;
  enfant.Attach(new FauxConteneur);
  enfants_.emplace_back(nom, enfant);
  return enfant.Get();
}

void FauxConteneur::Autre(const std::wstring& nom, const VARIANT& valeur) {
  Retirer(nom);
  VARIANT& v = proprietes_[nom];
  VariantInit(&v);
  VariantCopy(&v, const_cast<VARIANT*>(&valeur));
}

void FauxConteneur::Texte(const std::wstring& nom, const wchar_t* valeur) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = valeur ? SysAllocString(valeur) : nullptr;
  Autre(nom, v);
  VariantClear(&v);
}

void FauxConteneur::Entier(const std::wstring& nom, uint32_t valeur) {
  VARIANT v;
  V_VT(&v) = VT_UI4;
  V_UI4(&v) = valeur;
  Autre(nom, v);
}

void FauxConteneur::Booleen(const std::wstring& nom, VARIANT_BOOL valeur) {
  VARIANT v;
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = valeur;
  Autre(nom, v);
}

void FauxConteneur::Retirer(const std::wstring& nom) {
  if (auto it = proprietes_.find(nom); it != proprietes_.end()) {
    VariantClear(&it->second);
    proprietes_.erase(it);
  }
  std::erase_if(enfants_, [&](const auto& e) { return e.first == nom; });
}

HRESULT FauxConteneur::QueryInterface(REFIID iid, void** objet) {
  return Interroger(this, iid, sondes::kIidDxDiagContainer, objet);
}
ULONG FauxConteneur::AddRef() { return Prendre(refs_); }
ULONG FauxConteneur::Release() { return Lacher(this, refs_); }

HRESULT FauxConteneur::GetNumberOfChildContainers(DWORD* nombre) {
  *nombre = static_cast<DWORD>(enfants_.size());
  return S_OK;
}

HRESULT FauxConteneur::EnumChildContainerNames(DWORD index, LPWSTR nom, DWORD capacite) {
  if (FAILED(resultatNoms)) return resultatNoms;
  if (index == 0 && !nomForce.empty()) {
    std::memcpy(nom, nomForce.data(), std::min<size_t>(nomForce.size(), capacite) * sizeof(wchar_t));
    return S_OK;
  }
  if (index >= enfants_.size()) return E_INVALIDARG;
  const std::wstring& n = enfants_[index].first;
  if (n.size() + 1 > capacite) return DXDIAG_E_INSUFFICIENT_BUFFER;
  std::memcpy(nom, n.c_str(), (n.size() + 1) * sizeof(wchar_t));
  return S_OK;
}

HRESULT FauxConteneur::GetChildContainer(LPCWSTR nom, IDxDiagContainer** enfant) {
  demandes.emplace_back(nom);
  *enfant = nullptr;
  for (auto& e : enfants_)
    if (e.first == nom) return Donner(e.second.Get(), enfant);
  return E_INVALIDARG;
}

HRESULT FauxConteneur::GetNumberOfProps(DWORD* nombre) {
  *nombre = static_cast<DWORD>(proprietes_.size());
  return S_OK;
}

HRESULT FauxConteneur::EnumPropNames(DWORD index, LPWSTR nom, DWORD capacite) {
  if (index >= proprietes_.size()) return E_INVALIDARG;
  const std::wstring& n = std::next(proprietes_.begin(), index)->first;
  if (n.size() + 1 > capacite) return DXDIAG_E_INSUFFICIENT_BUFFER;
  std::memcpy(nom, n.c_str(), (n.size() + 1) * sizeof(wchar_t));
  return S_OK;
}

HRESULT FauxConteneur::GetProp(LPCWSTR nom, VARIANT* valeur) {
  demandes.emplace_back(nom);
  if (nom == muette) return S_OK;
  const auto it = proprietes_.find(nom);
  if (it == proprietes_.end()) return E_INVALIDARG;
  return VariantCopy(valeur, &it->second);  // empties the holder first, as the real provider does
}

HRESULT FauxFournisseur::QueryInterface(REFIID iid, void** objet) {
  return Interroger(this, iid, sondes::kIidDxDiagProvider, objet);
}
ULONG FauxFournisseur::AddRef() { return Prendre(refs_); }
ULONG FauxFournisseur::Release() { return Lacher(this, refs_); }

HRESULT FauxFournisseur::Initialize(DXDIAG_INIT_PARAMS* parametres) {
  ++initialisations;
  recu = *parametres;
  return resultatInitialize;
}

HRESULT FauxFournisseur::GetRootContainer(IDxDiagContainer** conteneur) {
  ++racinesDonnees;
  *conteneur = nullptr;
  if (!racine) return E_FAIL;
  return Donner(racine.Get(), conteneur);
}

HRESULT FauxInconnu::QueryInterface(REFIID iid, void** objet) { return Interroger(this, iid, IID_IUnknown, objet); }
ULONG FauxInconnu::AddRef() { return Prendre(refs_); }
ULONG FauxInconnu::Release() { return Lacher(this, refs_); }

Microsoft::WRL::ComPtr<FauxFournisseur> FournisseurDeCarte(const wchar_t* description) {
  Microsoft::WRL::ComPtr<FauxFournisseur> fournisseur;
  fournisseur.Attach(new FauxFournisseur);
  fournisseur->racine.Attach(new FauxConteneur);
  FauxConteneur* ecran = fournisseur->racine->Ajouter(L"DxDiag_DisplayDevices")->Ajouter(L"0");
  ecran->Texte(L"szDescription", description);
  ecran->Texte(L"szDisplayMemoryEnglish", L"64.0 MB");
  ecran->Booleen(L"b3DAccelerationExists", VARIANT_TRUE);
  ecran->Texte(L"szDriverVersion", L"6.14.10.4410");
  FauxConteneur* systeme = fournisseur->racine->Ajouter(L"DxDiag_SystemInfo");
  systeme->Entier(L"dwDirectXVersionMajor", 9);
  systeme->Entier(L"dwDirectXVersionMinor", 0);
  systeme->Texte(L"szDirectXVersionLetter", L"c");
  return fournisseur;
}
