#include "assess/EnregistrementRules.h"

#include <optional>

#include "assess/EcritureRules.h"
#include "assess/Enregistrement.h"
#include "base/Textes.h"

namespace bilan {

static_assert(kEtapesReessayees * (kEssaisRemplacement - 1) * kPauseRemplacementMs < 2000,
              "one save's pauses stay under 2 s");

std::wstring DossierDe(const std::wstring& chemin) {
  const size_t fin = chemin.find_last_of(L"\\/:");
  return fin == std::wstring::npos ? std::wstring() : chemin.substr(0, fin + 1);
}

std::wstring NomTemporaire(const std::wstring& cible, uint32_t graine) {
  static constexpr wchar_t kChiffres[] = L"0123456789abcdef";
  std::wstring nom = DossierDe(cible) + L"~qv";
  for (int decalage = 28; decalage >= 0; decalage -= 4) nom += kChiffres[(graine >> decalage) & 0xFu];
  return nom + L".tmp";
}

namespace {
bool Lecteur(const std::wstring& chemin, size_t debut) {
  if (chemin.size() < debut + 2 || chemin[debut + 1] != L':') return false;
  const wchar_t c = chemin[debut];
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
}  // namespace

std::wstring CheminPourWindows(const std::wstring& chemin) {
  constexpr size_t kMaxPath = 260;
  if (chemin.size() + 1 <= kMaxPath || chemin.starts_with(L"\\\\?\\")) return chemin;
  std::wstring barres = chemin;
  for (wchar_t& c : barres)
    if (c == L'/') c = L'\\';
  if (barres.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + barres.substr(2);
  return Lecteur(barres, 0) && barres.size() >= 3 && barres[2] == L'\\' ? L"\\\\?\\" + barres : chemin;
}

bool SansFlux(const std::wstring& chemin) {
  size_t debut = chemin.starts_with(L"\\\\?\\") || chemin.starts_with(L"\\\\.\\") ? 4 : 0;
  if (Lecteur(chemin, debut)) debut += 2;
  return chemin.find(L':', debut) == std::wstring::npos;
}

namespace {
// "\\.\" or "//./", the Win32 device namespace.
bool Peripherique(const std::wstring& chemin) {
  auto barre = [&](size_t i) { return chemin[i] == L'\\' || chemin[i] == L'/'; };
  return chemin.size() >= 4 && barre(0) && barre(1) && chemin[2] == L'.' && barre(3);
}
}  // namespace

std::wstring CheminComplet(const std::wstring& chemin, Fichiers& f) {
  std::wstring complet;
  if (f.GetFullPathNameW(chemin, complet) != kSucces || (Peripherique(complet) && !Peripherique(chemin))) return chemin;
  return complet;
}

bool NomReserve(const std::wstring& chemin, Fichiers& f) {
  std::wstring complet;
  return !Peripherique(chemin) && f.GetFullPathNameW(chemin, complet) == kSucces && Peripherique(complet);
}

base::Exception ErreurNomReserve(const std::wstring& chemin) {
  const std::wstring nom = chemin.substr(DossierDe(chemin).size());
  return base::Exception(base::Remplir(base::Texte::NomReserve, {nom.empty() ? chemin : nom}));
}

namespace {

// A name beside the target that no file has: for the replaced file while the replace runs.
std::wstring NomLibre(Fichiers& f, const std::wstring& cible, uint32_t graine) {
  for (uint32_t essai = 0; essai < 64; ++essai) {
    std::wstring nom = CheminPourWindows(NomTemporaire(cible, graine + essai));
    uint32_t attributs = 0;
    if (f.GetFileAttributesW(nom, attributs) == kErreurFichierIntrouvable) return nom;
  }
  return {};
}

bool Existe(Fichiers& f, const std::wstring& chemin) {
  uint32_t attributs = 0;
  return f.GetFileAttributesW(chemin, attributs) == kSucces;
}

// Whether the target can be replaced now: a replace deletes it, which someone holding it without sharing
// deletion prevents. Asked first, so that a held target never reaches ReplaceFileW, which under Wine leaves a
// file of its own beside the target when it fails.
Erreur Libre(Fichiers& f, const std::wstring& cible) {
  Ouvert fichier(f);
  return fichier.Ouvrir(cible, kAccesSuppression, kPartageTout, kOuvrirExistant);
}

// A folder may let the user write its files but not delete them, and a replace deletes the target: such a
// target is written in place when it can be opened for writing.
bool SeulementInscriptible(Fichiers& f, const std::wstring& cible) {
  Ouvert suppression(f), ecriture(f);
  return suppression.Ouvrir(cible, kAccesSuppression, kPartageTout, kOuvrirExistant) == kErreurAccesRefuse &&
         ecriture.Ouvrir(cible, kAccesEcriture, kPartageTout, kOuvrirExistant) == kSucces;
}

// The route of an existing target. ReplaceFileW keeps the replaced file's security, creation time, attributes
// and streams, which a move would drop. The replaced file goes to a backup name, so that a replace that fails
// half-way (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) leaves the old file there and the new one under its own name:
// the old file is moved back, or else the new one in; once either has moved the replace is not tried again.
// Every other failure keeps both names (the documented return values), the target untouched.
void Remplacer(Fichiers& f, Nouveau& temporaire, const std::wstring& cible, const std::wstring& chemin,
               uint32_t graine) {
  const std::wstring sauvegarde = NomLibre(f, cible, graine ^ 0x80000000u);  // away from the temporary names
  if (sauvegarde.empty()) throw ErreurCreation(chemin);
  const Erreur erreur = Reessayer(f, [&] {
    const Erreur libre = Libre(f, cible);
    return libre != kSucces ? libre : f.ReplaceFileW(cible, temporaire.Nom(), sauvegarde);
  });
  auto deplacer = [&](const std::wstring& source) {
    return Reessayer(f, [&] { return f.MoveFileExW(source, cible, kDeplacerEcritureDirecte); }) == kSucces;
  };
  if (erreur != kSucces) {
    if (Existe(f, cible)) throw ErreurCreation(chemin);
    const bool sauvee = Existe(f, sauvegarde);
    if (sauvee && deplacer(sauvegarde)) throw ErreurCreation(chemin);
    if (!deplacer(temporaire.Nom())) {
      // Neither moves: both stay, and the message says where.
      const std::wstring nouveau = temporaire.Nom();
      temporaire.Garder();
      throw base::Exception(sauvee
                                ? base::Remplir(base::Texte::CreationImpossibleLesDeux, {chemin, sauvegarde, nouveau})
                                : base::Remplir(base::Texte::CreationImpossibleNouveau, {chemin, nouveau}));
    }
  }
  temporaire.Garder();
  if (Existe(f, sauvegarde)) Reessayer(f, [&] { return f.DeleteFileW(sauvegarde); });
}

// The file a symbolic link leads to; nothing when it cannot be reached. A system without the call has no
// file symbolic links: a reparse point there (a junction's target, a single-instance file) is the file.
std::optional<std::wstring> CheminFinal(Fichiers& f, const std::wstring& lien) {
  Ouvert fichier(f);
  std::wstring chemin;
  if (fichier.Ouvrir(lien, 0, kPartageTout, kOuvrirExistant) != kSucces) return std::nullopt;
  const Erreur erreur = f.GetFinalPathNameByHandleW(fichier.get(), chemin);
  if (erreur == kErreurNonImplementee) return lien;
  if (erreur != kSucces) return std::nullopt;
  return chemin;
}

}  // namespace

void EnregistrerSansPerte(const std::wstring& chemin, std::string_view octets, Fichiers& f) {
  // Before anything is opened: a device would take the bytes and report success with no file.
  if (NomReserve(chemin, f)) throw ErreurNomReserve(chemin);
  if (!SansFlux(chemin)) throw ErreurCreation(chemin);
  std::wstring cible = CheminPourWindows(chemin);
  uint32_t attributs = 0;
  bool existe = f.GetFileAttributesW(cible, attributs) == kSucces;
  if (existe && (attributs & kAttributLien) && !(attributs & kAttributDossier)) {
    // A symbolic link: its file is the one saved, so that the link stays.
    const auto final = CheminFinal(f, cible);
    if (!final) throw ErreurCreation(chemin);
    cible = CheminPourWindows(*final);
    existe = f.GetFileAttributesW(cible, attributs) == kSucces;
  }
  // A read-only file is the user's choice to keep it; Windows refuses a plain create over a hidden or system
  // file; a folder is never replaced.
  constexpr uint32_t kIntouchable = kAttributLectureSeule | kAttributCache | kAttributSysteme | kAttributDossier;
  if (existe && (attributs & kIntouchable)) throw ErreurCreation(chemin);
  if (existe && SeulementInscriptible(f, cible)) return EcrireSurPlace(f, cible, octets, chemin);

  const uint32_t graine = f.Graine();
  Nouveau temporaire(f);
  if (CreerTemporaire(temporaire, cible, graine) != kSucces)
    return existe ? EcrireSurPlace(f, cible, octets, chemin) : EcrireDirectement(f, cible, octets, chemin);
  if (!temporaire.Ecrire(octets)) throw ErreurEcriture();
  if (existe) {
    if (!temporaire.Fermer()) throw ErreurEcriture();
    return Remplacer(f, temporaire, cible, chemin, graine);
  }
  // A new target: the temporary file takes its name through its handle, the only one that may rename it in a
  // folder that refuses deletion; a file system that cannot rename through a handle gets the target directly.
  if (temporaire.Renommer(cible) != kSucces) return EcrireDirectement(f, cible, octets, chemin);
  if (!temporaire.Fermer()) throw ErreurEcriture();  // the new file goes by name with its owner
  temporaire.Garder();
}

}  // namespace bilan
