#include "assess/VerdictRules.h"

#include <cctype>
#include <string_view>

#include "base/Textes.h"
#include "probes/OsRules.h"

namespace bilan {
namespace {

using enum base::Texte;
using base::Remplir;

// The game's minimum requirements: each bar judges its finding and is named in its tab's hint.
constexpr int32_t kRamMinimale = 256;     // MB; more is needed
constexpr int32_t kVitesseAvec3D = 600;   // MHz; more is needed with 3D acceleration
constexpr int32_t kVitesseSans3D = 1500;  // MHz; more is needed without
constexpr int32_t kMemoireTL = 32;        // MB of video memory; more hints at T&L
constexpr uint32_t kDxMinimal = 8;        // major version

Commentaire Avis(NiveauVerdict niveau, base::Texte legende) {
  return {CouleurVerdict(niveau), niveau, base::Dire(legende)};
}

// Above the bar is fine, on it just passes, below it fails.
NiveauVerdict Comparer(int32_t valeur, int32_t barre) {
  return valeur > barre ? Ok : valeur == barre ? Attention : Danger;
}

Commentaire DireComparaison(NiveauVerdict niveau) {
  return Avis(niveau, niveau == Ok ? CmtBien : niveau == Attention ? CmtPasse : CmtEchoue);
}

// Digits are ASCII; std::to_wstring would link a wide printf into the exe for them.
template <class Entier>
std::wstring N(Entier valeur) {
  const std::string chiffres = std::to_string(valeur);
  return std::wstring(chiffres.begin(), chiffres.end());
}

// The names of the OS table are ASCII.
std::wstring Large(const std::string& texte) {
  std::wstring large;
  for (char c : texte) large += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return large;
}

std::wstring SystemeDetecte(const sondes::ResultatsInspection& r) { return Remplir(BulleOsDetecte, {Large(r.VerOS)}); }

// Why the OS is not accepted: an unknown one, or one the game does not run on.
std::wstring SystemeRefuse(const sondes::ResultatsInspection& r) {
  if (r.CodeOS == 0) return base::Dire(BulleOsInconnu);
  return SystemeDetecte(r);
}

// What the player can do, beyond the measure: the real system named, how to run a 2004 game on a newer
// one, Wine named, a missing video driver, the processor under emulation. Nothing of it changes a verdict.
std::wstring SystemeReel(const sondes::ResultatsInspection& r) {
  const sondes::FaitsSysteme& f = r.Faits;
  const std::wstring wine =
      f.hoteWine.empty() ? Large(f.wine) : Remplir(BulleWineHote, {Large(f.wine), Large(f.hoteWine)});
  std::wstring texte;
  if (f.versionConnue) {
    const std::wstring nom =
        Large(sondes::NomSysteme(f.plateforme, f.majeure, f.mineure, f.build, f.typeProduit, f.edition));
    texte = f.wine.empty() ? Remplir(BulleSysteme, {nom}) : Remplir(BulleSystemeWine, {nom, wine});
  } else if (!f.wine.empty()) {
    texte = Remplir(BulleWine, {wine});
  }
  // An unknown system from Vista on: the game runs in Windows XP's compatibility mode (Wine's own setting).
  const bool recent = f.versionConnue && f.plateforme == 2 && f.majeure >= 6;
  if (r.CodeOS != 0 || !(recent || !f.wine.empty())) return texte;
  return texte + base::Dire(f.wine.empty() ? ConseilCompatibilite : ConseilWine);
}

// Windows's own driver, when the maker's is not installed: "Microsoft Basic Display Adapter" (Windows 8
// and later), "Standard VGA Graphics Adapter" (before), and their names on a French Windows. The provider
// names the card in the system's language; its hardware ids are the card's own under this driver.
bool PiloteDeBase(const std::string& carte) {
  const auto egal = [&](std::string_view nom) {
    if (carte.size() != nom.size()) return false;
    for (size_t i = 0; i < nom.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(carte[i])) != std::tolower(static_cast<unsigned char>(nom[i])))
        return false;
    return true;
  };
  return egal("Microsoft Basic Display Adapter") || egal("Standard VGA Graphics Adapter") ||
         egal("Carte graphique de base Microsoft") || egal("Carte graphique VGA standard");
}

// What went wrong with the clock's pause, for a player: the counters by what they count.
std::wstring PourquoiSansVitesse(sondes::PauseRatee pause) {
  switch (pause) {
    case sondes::PauseRatee::CyclesEnArriere: return base::Dire(PauseCycles);
    case sondes::PauseRatee::CompteurEnArriere: return base::Dire(PauseCompteurRecule);
    case sondes::PauseRatee::CompteurArrete: return base::Dire(PauseCompteurArrete);
    case sondes::PauseRatee::Non: break;
  }
  return {};
}

}  // namespace

uint32_t CouleurVerdict(NiveauVerdict niveau) {
  constexpr uint32_t kCouleurs[] = {kVert, kJaune, kRouge};
  return kCouleurs[niveau];
}

Verdicts Juger(const sondes::ResultatsInspection& r) {
  Verdicts v{};
  // Windows 98, ME, 2000 and XP; the memory is only trusted on those.
  if (r.CodeOS >= 5 || r.CodeOS == 2) {
    v.os = Ok;
    v.cmtOS = Avis(Ok, CmtBien);
    v.bulleOS = SystemeDetecte(r) + SystemeReel(r);
    v.ram = Comparer(r.TotalRAM, kRamMinimale);
    v.cmtRAM = DireComparaison(v.ram);
    v.bulleRAM = Remplir(BulleRam, {N(r.TotalRAM), N(kRamMinimale)});
  } else {
    v.os = Attention;
    v.cmtOS = Avis(Attention, CmtOsRisque);
    v.bulleOS = SystemeRefuse(r) + SystemeReel(r);
    v.ram = Attention;
    v.cmtRAM = Avis(Attention, CmtRamNonTestee);
    v.bulleRAM = SystemeRefuse(r) + base::Dire(BulleRamNonJugee);
  }

  // 3D acceleration lowers the processor's bar; the card's memory only hints at T&L.
  if (r.Is3D == 1) {
    v.cg = Ok;
    v.cmtCG = Avis(Ok, CmtBien);
    v.cmtSpecial = r.MemoireVideo > kMemoireTL ? Avis(Ok, CmtTLProbable) : Avis(Attention, CmtTLIncertain);
    v.bulleCG = Remplir(BulleCarte3D, {N(r.MemoireVideo), N(kMemoireTL)});
    v.SeuilVitesse = kVitesseAvec3D;
  } else {
    v.cg = Danger;
    v.cmtCG = Avis(Danger, CmtSansTL);
    v.cmtSpecial = Avis(Danger, r.EchecVideo != 0 ? CmtCarteIntrouvable : CmtTLAbsent);
    v.bulleCG = base::Dire(r.EchecVideo != 0 ? BulleCarteIntrouvable : BulleCarteSans3D);
    v.SeuilVitesse = kVitesseSans3D;
  }
  if (PiloteDeBase(r.MarqueVideo)) v.bulleCG += base::Dire(BullePiloteDeBase);

  v.cpu = Comparer(r.Vitesse, v.SeuilVitesse);
  v.cmtCPU = DireComparaison(v.cpu);
  if (r.Faits.pause != sondes::PauseRatee::Non)
    v.bulleCPU = Remplir(BulleCpuSansMesure, {PourquoiSansVitesse(r.Faits.pause)});
  else
    v.bulleCPU = Remplir(r.Is3D == 1 ? BulleCpu : BulleCpuSans3D, {N(r.Vitesse)});
  v.bulleCPU += Remplir(BulleCpuBarres, {N(kVitesseAvec3D), N(kVitesseSans3D)});
  if (r.Faits.processeurSelonOS) v.bulleCPU += base::Dire(BulleCpuEmule);

  // Unsigned: any major version of 8 or more, however large, is recent enough.
  if (r.DxMajeur >= kDxMinimal) {
    v.dx = Ok;
    v.cmtDx = Avis(Ok, CmtDxRecent);
  } else if (r.DxMajeur == 0u) {
    v.dx = Danger;
    v.cmtDx = Avis(Danger, CmtDxAbsent);
  } else {
    v.dx = Attention;
    v.cmtDx = Avis(Attention, CmtDxAncien);
  }
  v.bulleDx =
      r.DxMajeur == 0u ? Remplir(BulleDxAbsent, {N(kDxMinimal)}) : Remplir(BulleDx, {N(r.DxMajeur), N(kDxMinimal)});
  return v;
}

}  // namespace bilan
