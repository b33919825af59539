#include "assess/VerdictRules.h"

namespace bilan {
namespace {

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
    v.ram = Comparer(r.TotalRAM, 256);
    v.cmtRAM = DireComparaison(v.ram);
  } else {
    v.os = Attention;
    v.cmtOS = Dire(Attention, L"Danger ! Le jeux risque de ne pas fonctionner avec cet OS !");
    v.ram = Attention;
    v.cmtRAM = Dire(Attention, L"Danger ! La configuration actuelle ne permet pas de tester le RAM !");
  }

  // 3D acceleration lowers the processor's bar; the card's memory only hints at T&L.
  if (r.Is3D == 1) {
    v.cg = Ok;
    v.cmtCG = Dire(Ok, kBien);
    v.cmtSpecial =
        r.MemoireVideo > 32
            ? Dire(Ok, L"Votre carte devrait supporter le T&&L.")
            : Dire(Attention, L"Note: Ce n'est pas parce que votre carte fait du 3D qu'elle supporte le T&&L.");
    v.SeuilVitesse = 600;
  } else {
    v.cg = Danger;
    v.cmtCG = Dire(Danger, kSansTL);
    v.cmtSpecial = r.EchecVideo != 0 ? Dire(Danger, L"Impossible de détecter votre carte video.")
                                     : Dire(Danger, L"Votre carte ne supporte pas T&&L.");
    v.SeuilVitesse = 1500;
  }

  v.cpu = Comparer(r.Vitesse, v.SeuilVitesse);
  v.cmtCPU = DireComparaison(v.cpu);

  // Unsigned: any major version of 8 or more, however large, is recent enough.
  if (r.DxMajeur >= 8u) {
    v.dx = Ok;
    v.cmtDx = Dire(Ok, L"Votre version de Directx est assez recente.");
  } else if (r.DxMajeur == 0u) {
    v.dx = Danger;
    v.cmtDx = Dire(Danger, L"Impossible de trouver DirectX. Veuillez installer la dernière version disponible.");
  } else {
    v.dx = Attention;
    v.cmtDx = Dire(Attention, L"Cette Version de directx est trop ancienne. Veuillez la mettre a jour.");
  }
  return v;
}

}  // namespace bilan
