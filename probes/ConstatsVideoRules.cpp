// The video probe's facts: every display device the provider listed, DirectX's version, the desktop.
#include <limits>
#include <string_view>
#include <type_traits>

#include "probes/ConstatsRules.h"
#include "probes/DxFilesRules.h"
#include "probes/ReleveChampsRules.h"
#include "probes/VideoRules.h"

namespace sondes {
namespace {

// VARTYPEs of the provider's properties.
constexpr uint16_t kVtBstr = 8, kVtBool = 11, kVtUi4 = 19;
constexpr std::string_view kEcrans = "DxDiag_DisplayDevices";

std::string Hr(int32_t hr) { return releve::Hex(static_cast<uint32_t>(hr), 8); }

// A property counts only when it was read and came with the type its name announces; the first reading
// of it is the one.
template <class T>
Fait<T> Propriete(const Releve& releve, std::string_view conteneur, std::string_view nom, uint16_t type) {
  for (const ProprieteDx& p : releve.proprietes) {
    if (p.conteneur != conteneur || p.nom != nom) continue;
    const std::string appel = "GetProp " + std::string(nom);
    if (p.hr < 0) return Fait<T>::Inconnu(appel + ' ' + Hr(p.hr));
    if (p.type != type) return Fait<T>::Inconnu(appel + " VARTYPE " + releve::Hex(p.type, 4));
    if constexpr (std::is_same_v<T, std::string>)
      return Fait<T>::Connu(p.texte);
    else
      return Fait<T>::Connu(static_cast<T>(p.nombre));
  }
  return Fait<T>::Inconnu("GetProp " + std::string(nom) + " absent");
}

// Child number `i` of the display devices: its container's path, or why there is none.
std::optional<std::string> Ecran(const Releve& releve, size_t i, std::string& raison) {
  const std::string enfant = std::string(kEcrans) + '#' + std::to_string(i);
  for (const ConteneurDx& c : releve.conteneurs) {
    if (c.chemin != enfant) continue;
    if (c.hr < 0) return raison = "EnumChildContainerNames " + Hr(c.hr), std::nullopt;
    if (c.nom.empty()) return raison = "EnumChildContainerNames: nom vide", std::nullopt;
    return std::string(kEcrans) + '/' + c.nom;
  }
  raison = "EnumChildContainerNames absent";
  return std::nullopt;
}

CarteVideo Carte(const Releve& releve, const std::string& conteneur) {
  CarteVideo c;
  c.conteneur = conteneur;
  c.nom = Propriete<std::string>(releve, conteneur, "szDescription", kVtBstr);
  c.pilote = Propriete<std::string>(releve, conteneur, "szDriverVersion", kVtBstr);
  const auto memoire = Propriete<std::string>(releve, conteneur, "szDisplayMemoryEnglish", kVtBstr);
  const int32_t mb = memoire.valeur ? MemoireVideoSelonTexte(*memoire.valeur) : 0;
  c.memoireMB = mb > 0           ? Fait<uint32_t>::Connu(static_cast<uint32_t>(mb))
                : memoire.valeur ? Fait<uint32_t>::Inconnu("szDisplayMemoryEnglish " + releve::Texte(*memoire.valeur))
                                 : Fait<uint32_t>::Inconnu(memoire.raison);
  const auto b3d = Propriete<int64_t>(releve, conteneur, "b3DAccelerationExists", kVtBool);
  c.acceleration3D = b3d.valeur ? Fait<bool>::Connu(Is3DSelon(static_cast<int16_t>(*b3d.valeur)) == 1)
                                : Fait<bool>::Inconnu(b3d.raison);
  return c;
}

Fait<VersionDirectX> DirectXDuFournisseur(const Releve& releve) {
  constexpr std::string_view systeme = "DxDiag_SystemInfo";
  const auto majeur = Propriete<uint32_t>(releve, systeme, "dwDirectXVersionMajor", kVtUi4);
  if (!majeur.valeur) return Fait<VersionDirectX>::Inconnu(majeur.raison);
  const auto mineur = Propriete<uint32_t>(releve, systeme, "dwDirectXVersionMinor", kVtUi4);
  const auto lettre = Propriete<std::string>(releve, systeme, "szDirectXVersionLetter", kVtBstr);
  return Fait<VersionDirectX>::Connu({*majeur.valeur, mineur.Ou(0), lettre.Ou(" "), false});
}

Fait<VersionDirectX> DirectXDesFichiers(const Releve& releve) {
  uint32_t majeur = 0, mineur = 0;
  char lettre = ' ';
  VersionDxDuReleve(releve, &majeur, &mineur, &lettre);
  if (majeur == 0)
    return Fait<VersionDirectX>::Inconnu(releve.repertoireSysteme ? "aucun fichier de DirectX reconnu"
                                                                  : "GetSystemDirectoryA absent");
  return Fait<VersionDirectX>::Connu({majeur, mineur, lettre == ' ' ? "" : std::string(1, lettre), true});
}

// MulDiv's rounding: to the nearest, halves away from zero; -1 when the result does not fit.
int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t produit = int64_t{a} * b;
  const int64_t reste = produit % c, quotient = produit / c;
  const int64_t arrondi = 2 * (reste < 0 ? -reste : reste) >= (c < 0 ? -int64_t{c} : c)
                              ? quotient + ((produit < 0) != (c < 0) ? -1 : 1)
                              : quotient;
  return arrondi > std::numeric_limits<int32_t>::max() || arrondi < std::numeric_limits<int32_t>::min()
             ? -1
             : static_cast<int32_t>(arrondi);
}

// One side of the desktop: its metric, at the thread's scale (an unaware thread is told the logical size),
// brought `enPixels` by the display mode's ratio to the primary screen's metric, the mode being in pixels.
Fait<int32_t> Cote(int32_t bureau, int32_t ecran, uint32_t mode, bool enPixels) {
  if (bureau == 0) return Fait<int32_t>::Inconnu("GetSystemMetrics 0");
  return Fait<int32_t>::Connu(enPixels ? MulDiv(bureau, static_cast<int32_t>(mode), ecran) : bureau);
}

}  // namespace

int VersionDxDuReleve(const Releve& releve, uint32_t* majeur, uint32_t* mineur, char* lettre) {
  return EvaluerTableDx(
      [&](const char* fichier) -> std::optional<uint64_t> {
        if (!releve.repertoireSysteme) return std::nullopt;
        for (const VersionFichierDx& f : releve.fichiersDx)
          if (f.fichier == fichier) return f.version;
        return std::nullopt;
      },
      majeur, mineur, lettre);
}

ConstatsVideo ConstaterVideo(const Releve& releve, Fait<VersionDirectX>* directx) {
  ConstatsVideo v;
  // S_OK alone is a provider; S_FALSE and every failure take the file versions.
  v.fournisseur = releve.creationFournisseur == 0;
  if (!v.fournisseur) {
    v.raisonSansCarte = "CoCreateInstance " + Hr(releve.creationFournisseur);
  } else {
    std::string raison;
    for (size_t i = 0; i < kCartesVideoMax; ++i) {
      const auto conteneur = Ecran(releve, i, raison);
      if (!conteneur) break;
      v.cartes.push_back(Carte(releve, *conteneur));
    }
    if (v.cartes.empty()) v.raisonSansCarte = raison;
  }
  if (directx) *directx = v.fournisseur ? DirectXDuFournisseur(releve) : DirectXDesFichiers(releve);

  const uint8_t bits = ProfondeurCouleur(releve.planes, releve.bitsPixel);
  v.bitsCouleur = bits ? Fait<uint32_t>::Connu(bits) : Fait<uint32_t>::Inconnu("GetDeviceCaps 0");
  v.frequence = !releve.modeLu                 ? Fait<uint32_t>::Inconnu("EnumDisplaySettingsA 0")
                : releve.displayFrequency == 0 ? Fait<uint32_t>::Inconnu("EnumDisplaySettingsA: fréquence 0")
                                               : Fait<uint32_t>::Connu(releve.displayFrequency);
  const bool enPixels = releve.pelsWidth != 0 && releve.pelsHeight != 0 && releve.cxScreen > 0 && releve.cyScreen > 0;
  v.largeur =
      Cote(releve.multiEcran ? releve.cxVirtualScreen : releve.cxScreen, releve.cxScreen, releve.pelsWidth, enPixels);
  v.hauteur =
      Cote(releve.multiEcran ? releve.cyVirtualScreen : releve.cyScreen, releve.cyScreen, releve.pelsHeight, enPixels);
  return v;
}

}  // namespace sondes
