#pragma once
// A scripted DirectX diagnostic provider: a tree of containers with named properties of any VARIANT type,
// and knobs for the ways a provider can misbehave. Every AddRef and Release of every fake is counted.
#include <wrl/client.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "probes/Plateforme.h"

// AddRef minus Release over every fake since the test last set it to 0.
extern long gReferencesNettes;

class FauxConteneur final : public IDxDiagContainer {
 public:
  FauxConteneur() = default;
  ~FauxConteneur();

  FauxConteneur* Ajouter(const std::wstring& nom);             // a new child container
  void Texte(const std::wstring& nom, const wchar_t* valeur);  // nullptr: a null BSTR
  void Entier(const std::wstring& nom, uint32_t valeur);
  void Booleen(const std::wstring& nom, VARIANT_BOOL valeur);
  void Autre(const std::wstring& nom, const VARIANT& valeur);  // copied
  void Retirer(const std::wstring& nom);                       // a property or a child

  HRESULT resultatNoms = S_OK;         // of EnumChildContainerNames
  std::wstring nomForce;               // written for child 0 in place of its name, cut to the buffer, unterminated
  std::wstring muette;                 // the property answered with S_OK and the holder left untouched
  std::vector<std::wstring> demandes;  // names asked of GetProp and GetChildContainer, in order

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetNumberOfChildContainers(DWORD* nombre) override;
  HRESULT STDMETHODCALLTYPE EnumChildContainerNames(DWORD index, LPWSTR nom, DWORD capacite) override;
  HRESULT STDMETHODCALLTYPE GetChildContainer(LPCWSTR nom, IDxDiagContainer** enfant) override;
  HRESULT STDMETHODCALLTYPE GetNumberOfProps(DWORD* nombre) override;
  HRESULT STDMETHODCALLTYPE EnumPropNames(DWORD index, LPWSTR nom, DWORD capacite) override;
  HRESULT STDMETHODCALLTYPE GetProp(LPCWSTR nom, VARIANT* valeur) override;

 private:
  ULONG refs_ = 1;
  std::vector<std::pair<std::wstring, Microsoft::WRL::ComPtr<FauxConteneur>>> enfants_;
  std::map<std::wstring, VARIANT> proprietes_;
};

class FauxFournisseur final : public IDxDiagProvider {
 public:
  HRESULT resultatInitialize = S_OK;
  DXDIAG_INIT_PARAMS recu{};  // the record passed to Initialize
  int initialisations = 0;
  int racinesDonnees = 0;
  Microsoft::WRL::ComPtr<FauxConteneur> racine;  // none: GetRootContainer fails

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Initialize(DXDIAG_INIT_PARAMS* parametres) override;
  HRESULT STDMETHODCALLTYPE GetRootContainer(IDxDiagContainer** conteneur) override;

 private:
  ULONG refs_ = 1;
};

// A COM object that only counts its references: a property value of a type no reader expects.
class FauxInconnu final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

 private:
  ULONG refs_ = 1;
};

// A provider as a real one answers: one display device of that description, 64 MB, 3D acceleration and
// driver 6.14.10.4410, and DirectX 9.0c.
Microsoft::WRL::ComPtr<FauxFournisseur> FournisseurDeCarte(const wchar_t* description);
