#pragma once
// The player's texts: one table, named by ids, so that a translation is one file of the same shape as
// base/TextesFr.cpp. The code holds ids; the numbers and names a text shows are its slots, {0}, {1}...
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace base {

// In the table's order. A comment's "&&" is a displayed '&' (a label's mnemonic mark), a hint's '&' is
// itself.
// clang-format off
enum class Texte : uint16_t {
  // The tabs: captions, headings, the captions before the values, the values' words (ASCII: they join the
  // findings' single-byte texts).
  OngletCpu, OngletMemoire, OngletGraphiques, OngletOs, OngletDirectx,
  TitreCpu, TitreMemoire, TitreCarte, TitreOs, TitreDirectx,
  LegendeCpu, LegendeVitesse, LegendeTotalRam, LegendeVirtuel, LegendePage, LegendeMarque, LegendeMemoireVideo,
  LegendeTaille, LegendeRafraichissement, LegendeResolution, LegendePilotes, Legende3D, LegendeVersionOs,
  LegendeAutre, LegendeVersionDx,
  ValeurMhz, ValeurMo, ValeurMb, ValeurTaille, ValeurHz, ValeurBits, Oui, Non,
  // The text report's titles: 19 ASCII characters each, the words padded to 17, ':' and a blank.
  RapportCpu, RapportVitesse, RapportRam, RapportVirtuel, RapportPage, RapportCarte, RapportMemoireVideo, RapportTaille,
  RapportRafraichissement, RapportResolution, RapportPilotes, Rapport3D, RapportOs, RapportAutre, RapportDirectx,
  // The main window: its title, the buttons' hints, the status bar, the commands, the export dialog, the
  // status pictures' names for a screen reader.
  TitreApplication, TitreFenetre, BulleAide, BulleAPropos, BulleExporter, BulleQuitter, BulleFermer,
  EtatDetection, EtatRejoue, EtatSauvegarde, EtatCopie, MenuCopier, PressePapiersOccupe,
  DialogueExporter, FiltreExport, NomVert, NomJaune, NomRouge, NomImage,
  // The about box.
  TitreAPropos, AProduit, AVersion, ACopyright, AAuteur, AGraphismes, AMarques, ASite, ATests, ADate,
  ASiteFans, ASiteJeu, AContact, BoutonOk,
  // The verdicts' comments.
  CmtBien, CmtPasse, CmtEchoue, CmtSansTL, CmtOsRisque, CmtRamNonTestee, CmtTLProbable, CmtTLIncertain,
  CmtCarteIntrouvable, CmtTLAbsent, CmtDxRecent, CmtDxAbsent, CmtDxAncien,
  // The verdicts' hints: what was measured, what is asked, what the player can do.
  BulleOsDetecte, BulleOsInconnu, BulleSysteme, BulleSystemeWine, BulleWine, BulleWineHote, ConseilWine,
  ConseilCompatibilite, BulleRam, BulleRamNonJugee, BulleCarte3D, BulleCarteIntrouvable, BulleCarteSans3D,
  BullePiloteDeBase, BulleCpuBarres, BulleCpuSansMesure, PauseCycles, PauseCompteurRecule, PauseCompteurArrete,
  BulleCpu, BulleCpuSans3D, BulleCpuEmule, BulleDxAbsent, BulleDx,
  // The findings' stand-ins for what is not known, the warning of the video probe, a relevé's refusals.
  Inconnue, OsInconnu, DxAuMoins, CarteIllisible, TitreAttention,
  ReleveIllisible, ReleveRefus, ReleveRefusLigne, ReleveTropGrand, RelevePasUnReleve, ReleveFormatUlterieur,
  ReleveMalFormee, ReleveRepetee, ReleveManquante, ReleveReponseIgnoree, EtatRejoueIgnorees,
  // The commands without a window, and the error messages.
  Usage, FichierManquant, LancementImpossible, ErreurConversion, ErreurInconnue, ImageIntrouvable,
  CopieImpossible, ErreurEcriture, CreationImpossible, CreationImpossibleNouveau, CreationImpossibleLesDeux,
  OuvertureImpossible, LectureImpossible, NomReserve,
  Nombre  // the count of texts, not one
};
// clang-format on

inline constexpr size_t kNombreTextes = static_cast<size_t>(Texte::Nombre);

// The texts with slots, and how many values their users pass; every other text has none.
struct AvecValeurs {
  Texte id;
  uint8_t valeurs;
};
// clang-format off
inline constexpr AvecValeurs kAvecValeurs[] = {
    {Texte::ValeurMhz, 1}, {Texte::ValeurMo, 1}, {Texte::ValeurMb, 1}, {Texte::ValeurTaille, 2}, {Texte::ValeurHz, 1},
    {Texte::ValeurBits, 1}, {Texte::EtatRejoue, 1}, {Texte::NomImage, 2}, {Texte::AVersion, 1},
    {Texte::BulleOsDetecte, 1}, {Texte::BulleSysteme, 1}, {Texte::BulleSystemeWine, 2}, {Texte::BulleWine, 1},
    {Texte::BulleWineHote, 2}, {Texte::BulleRam, 2}, {Texte::BulleCarte3D, 2}, {Texte::BulleCpuBarres, 2},
    {Texte::BulleCpuSansMesure, 1}, {Texte::BulleCpu, 1}, {Texte::BulleCpuSans3D, 1}, {Texte::BulleDxAbsent, 1},
    {Texte::BulleDx, 2}, {Texte::FichierManquant, 2}, {Texte::LancementImpossible, 1}, {Texte::ImageIntrouvable, 1},
    {Texte::CreationImpossible, 1}, {Texte::CreationImpossibleNouveau, 2}, {Texte::CreationImpossibleLesDeux, 3},
    {Texte::ReleveIllisible, 1}, {Texte::ReleveRefus, 2}, {Texte::ReleveRefusLigne, 3},
    {Texte::ReleveFormatUlterieur, 2}, {Texte::ReleveReponseIgnoree, 3}, {Texte::EtatRejoueIgnorees, 2}, {Texte::ReleveRepetee, 1}, {Texte::ReleveManquante, 1},
    {Texte::OuvertureImpossible, 1}, {Texte::LectureImpossible, 1}, {Texte::NomReserve, 1},
};
// clang-format on

// A row of a language's table (base/TextesFr.cpp), which holds every id once, in the ids' order.
struct LigneTexte {
  Texte id;
  const wchar_t* texte;
};
template <size_t N>
constexpr bool TableComplete(const LigneTexte (&table)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (static_cast<size_t>(table[i].id) != i || !table[i].texte) return false;
  return N == kNombreTextes;
}

// The table's text; it lives as long as the program, and is there before main.
const wchar_t* Dire(Texte id);

// `modele` with each slot {n} replaced by valeurs[n]; a brace that opens no slot of a given value (no digits,
// no closing brace, an index beyond the values) stays as it is.
std::wstring RemplirModele(std::wstring_view modele, std::initializer_list<std::wstring_view> valeurs);
// The table's text with its slots filled.
std::wstring Remplir(Texte id, std::initializer_list<std::wstring_view> valeurs);

}  // namespace base
