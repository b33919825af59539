#include "assess/VerdictRules.h"

#include <cctype>
#include <string_view>

#include "probes/OsRules.h"

namespace bilan {
namespace {

// The game's minimum requirements: each bar judges its finding and is named in its tab's hint.
constexpr int32_t kRamMinimale = 256;     // MB; more is needed
constexpr int32_t kVitesseAvec3D = 600;   // MHz; more is needed with 3D acceleration
constexpr int32_t kVitesseSans3D = 1500;  // MHz; more is needed without
constexpr int32_t kMemoireTL = 32;        // MB of video memory; more hints at T&L
constexpr uint32_t kDxMinimal = 8;        // major version
constexpr wchar_t kSystemes[] = L"Windows 98, ME, 2000 ou XP";

constexpr wchar_t kBien[] = L"Le jeu devrait bien fonctionner !";
constexpr wchar_t kPasse[] = L"Le jeu va fonctionner !";
constexpr wchar_t kEchoue[] = L"Danger ! Le jeu ne fonctionnera pas !";
constexpr wchar_t kSansTL[] = L"Danger ! Votre carte vidéo ne supporte probablement pas T&&L !";

Commentaire Dire(NiveauVerdict niveau, const wchar_t* legende) { return {CouleurVerdict(niveau), legende}; }

// Above the bar is fine, on it just passes, below it fails.
NiveauVerdict Comparer(int32_t valeur, int32_t barre) {
  return valeur > barre ? Ok : valeur == barre ? Attention : Danger;
}

Commentaire DireComparaison(NiveauVerdict niveau) {
  return Dire(niveau, niveau == Ok ? kBien : niveau == Attention ? kPasse : kEchoue);
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

std::wstring SystemeDetecte(const sondes::ResultatsInspection& r) {
  return L"Détecté : " + Large(r.VerOS) + L". Il faut " + kSystemes + L".";
}

// Why the OS is not accepted: an unknown one, or one the game does not run on.
std::wstring SystemeRefuse(const sondes::ResultatsInspection& r) {
  if (r.CodeOS == 0) return std::wstring(L"Ce système n'a pas été reconnu : ") + kSystemes + L" attendu.";
  return SystemeDetecte(r);
}

// What the player can do, beyond the measure: the real system named, how to run a 2004 game on a newer
// one, Wine named, a missing video driver, the processor under emulation. Nothing of it changes a verdict.
std::wstring SystemeReel(const sondes::ResultatsInspection& r) {
  const sondes::FaitsSysteme& f = r.Faits;
  std::wstring texte;
  if (f.versionConnue)
    texte += L" Votre système : " +
             Large(sondes::NomSysteme(f.plateforme, f.majeure, f.mineure, f.build, f.typeProduit, f.edition));
  if (!f.wine.empty()) {
    texte += texte.empty() ? L" Sous Wine " : L", sous Wine ";
    texte += Large(f.wine) + (f.hoteWine.empty() ? L"" : L", " + Large(f.hoteWine));
  }
  if (!texte.empty()) texte += L".";
  // An unknown system from Vista on: the game runs in Windows XP's compatibility mode (Wine's own setting).
  const bool recent = f.versionConnue && f.plateforme == 2 && f.majeure >= 6;
  if (r.CodeOS != 0 || !(recent || !f.wine.empty())) return texte;
  if (!f.wine.empty())
    return texte +
           L" Pour lancer le jeu : dans winecfg, onglet Applications, ajoutez son programme et choisissez "
           L"la version de Windows « Windows XP ».";
  return texte +
         L" Pour lancer le jeu : clic droit sur son programme > Propriétés > Compatibilité, cochez le mode "
         L"de compatibilité « Windows XP (Service Pack 3) » ; s'il le demande, exécutez-le aussi en tant "
         L"qu'administrateur.";
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
    case sondes::PauseRatee::CyclesEnArriere: return L"le compteur de cycles du processeur a reculé";
    case sondes::PauseRatee::CompteurEnArriere: return L"le compteur de temps de Windows a reculé";
    case sondes::PauseRatee::CompteurArrete: return L"le compteur de temps de Windows n'a pas avancé";
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
    v.cmtOS = Dire(Ok, kBien);
    v.bulleOS = SystemeDetecte(r) + SystemeReel(r);
    v.ram = Comparer(r.TotalRAM, kRamMinimale);
    v.cmtRAM = DireComparaison(v.ram);
    v.bulleRAM = L"Mesuré : " + N(r.TotalRAM) + L" Mo. Il faut plus de " + N(kRamMinimale) + L" Mo.";
  } else {
    v.os = Attention;
    v.cmtOS = Dire(Attention, L"Danger ! Le jeux risque de ne pas fonctionner avec cet OS !");
    v.bulleOS = SystemeRefuse(r) + SystemeReel(r);
    v.ram = Attention;
    v.cmtRAM = Dire(Attention, L"Danger ! La configuration actuelle ne permet pas de tester le RAM !");
    v.bulleRAM = SystemeRefuse(r) + L" La mémoire ne peut donc pas être jugée.";
  }

  // 3D acceleration lowers the processor's bar; the card's memory only hints at T&L.
  const std::wstring carte3D = L"Il faut une carte 3D";
  if (r.Is3D == 1) {
    v.cg = Ok;
    v.cmtCG = Dire(Ok, kBien);
    v.cmtSpecial =
        r.MemoireVideo > kMemoireTL
            ? Dire(Ok, L"Votre carte devrait supporter le T&&L.")
            : Dire(Attention, L"Note: Ce n'est pas parce que votre carte fait du 3D qu'elle supporte le T&&L.");
    v.bulleCG = L"Mesuré : carte 3D, " + N(r.MemoireVideo) + L" Mo de mémoire vidéo. " + carte3D + L" ; plus de " +
                N(kMemoireTL) + L" Mo de mémoire vidéo pour le T&L.";
    v.SeuilVitesse = kVitesseAvec3D;
  } else {
    v.cg = Danger;
    v.cmtCG = Dire(Danger, kSansTL);
    v.cmtSpecial = r.EchecVideo != 0 ? Dire(Danger, L"Impossible de détecter votre carte video.")
                                     : Dire(Danger, L"Votre carte ne supporte pas T&&L.");
    v.bulleCG =
        (r.EchecVideo != 0 ? L"La carte graphique n'a pas pu être examinée. " : L"Mesuré : pas d'accélération 3D. ") +
        carte3D + L".";
    v.SeuilVitesse = kVitesseSans3D;
  }
  if (PiloteDeBase(r.MarqueVideo))
    v.bulleCG +=
        L" Le pilote de votre carte graphique n'est pas installé : Windows utilise son pilote de base, "
        L"sans 3D. Installez celui du fabricant de la carte.";

  v.cpu = Comparer(r.Vitesse, v.SeuilVitesse);
  v.cmtCPU = DireComparaison(v.cpu);
  const std::wstring barreCPU = L" Il faut plus de " + N(kVitesseAvec3D) + L" MHz avec une carte 3D, plus de " +
                                N(kVitesseSans3D) + L" MHz sans.";
  if (r.Faits.pause != sondes::PauseRatee::Non)
    v.bulleCPU = L"La vitesse du processeur n'a pas pu être mesurée : " + PourquoiSansVitesse(r.Faits.pause) +
                 L" pendant la pause. Relancez le programme pour la mesurer à nouveau." + barreCPU;
  else
    v.bulleCPU = L"Mesuré : " + N(r.Vitesse) + L" MHz" + (r.Is3D == 1 ? L"" : L", sans carte 3D") + L"." + barreCPU;
  if (r.Faits.processeurSelonOS)
    v.bulleCPU +=
        L" Ce programme est émulé sous Windows sur ARM : le nom et la vitesse du processeur sont ceux "
        L"que donne Windows.";

  // Unsigned: any major version of 8 or more, however large, is recent enough.
  if (r.DxMajeur >= kDxMinimal) {
    v.dx = Ok;
    v.cmtDx = Dire(Ok, L"Votre version de Directx est assez recente.");
  } else if (r.DxMajeur == 0u) {
    v.dx = Danger;
    v.cmtDx = Dire(Danger, L"Impossible de trouver DirectX. Veuillez installer la dernière version disponible.");
  } else {
    v.dx = Attention;
    v.cmtDx = Dire(Attention, L"Cette Version de directx est trop ancienne. Veuillez la mettre a jour.");
  }
  v.bulleDx =
      (r.DxMajeur == 0u ? std::wstring(L"DirectX n'a pas été trouvé.") : L"Mesuré : DirectX " + N(r.DxMajeur) + L".") +
      L" Il faut DirectX " + N(kDxMinimal) + L" ou plus.";
  return v;
}

}  // namespace bilan
