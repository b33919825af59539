#include <gtest/gtest.h>

#include <string>

#include "assess/VerdictRules.h"
#include "probes/ExamenRules.h"
#include "probes/ReleveRules.h"

#include <fstream>
#include <sstream>

namespace {

using bilan::Commentaire;
using bilan::Juger;
using bilan::NiveauVerdict;

constexpr uint32_t kVert = 6736896, kJaune = 65535, kRouge = 255;
constexpr NiveauVerdict kOk = bilan::Ok, kAttention = bilan::Attention, kDanger = bilan::Danger;

const std::wstring kBien = L"Le jeu devrait bien fonctionner !";
const std::wstring kPasse = L"Le jeu va fonctionner !";
const std::wstring kEchoue = L"Danger ! Le jeu ne fonctionnera pas !";

// A PC that passes everything, so that each table moves only the fields it is about.
sondes::ResultatsInspection Bon() {
  sondes::ResultatsInspection r;
  r.CodeOS = 7;
  r.TotalRAM = 512;
  r.Is3D = 1;
  r.MemoireVideo = 128;
  r.Vitesse = 2400;
  r.DxMajeur = 9;
  return r;
}

void Verifier(const Commentaire& c, uint32_t couleur, const std::wstring& legende, const std::string& quoi) {
  EXPECT_EQ(c.couleur, couleur) << quoi;
  EXPECT_EQ(bilan::CouleurVerdict(c.niveau), couleur) << quoi;  // the level is the colour's
  EXPECT_EQ(std::wstring(c.legende), legende) << quoi;
}

TEST(Juger, SystemeEtMemoire) {
  struct Os {
    int32_t code;
    bool accepte;
  };
  // Windows 98 (2), ME (5), 2000 (6), XP (7); any larger code counts as "at least 5", a negative one does not.
  const Os systemes[] = {{-1, false}, {0, false}, {1, false}, {2, true}, {3, false},
                         {4, false},  {5, true},  {6, true},  {7, true}, {8, true}};
  struct Ram {
    int32_t mo;
    NiveauVerdict niveau;
    uint32_t couleur;
    const std::wstring& legende;
  };
  const Ram memoires[] = {{255, kDanger, kRouge, kEchoue}, {256, kAttention, kJaune, kPasse},
                          {257, kOk, kVert, kBien},        {-1024, kDanger, kRouge, kEchoue},
                          {0, kDanger, kRouge, kEchoue},   {65536, kOk, kVert, kBien}};
  for (const Os& os : systemes) {
    for (const Ram& ram : memoires) {
      auto r = Bon();
      r.CodeOS = os.code;
      r.TotalRAM = ram.mo;
      const auto v = Juger(r);
      const std::string quoi = "CodeOS " + std::to_string(os.code) + ", " + std::to_string(ram.mo) + " MB";
      if (os.accepte) {
        EXPECT_EQ(v.os, kOk) << quoi;
        Verifier(v.cmtOS, kVert, kBien, quoi);
        EXPECT_EQ(v.ram, ram.niveau) << quoi;
        Verifier(v.cmtRAM, ram.couleur, ram.legende, quoi);
      } else {
        EXPECT_EQ(v.os, kAttention) << quoi;
        Verifier(v.cmtOS, kJaune, L"Danger ! Le jeux risque de ne pas fonctionner avec cet OS !", quoi);
        EXPECT_EQ(v.ram, kAttention) << quoi << ": the memory is not judged";
        Verifier(v.cmtRAM, kJaune, L"Danger ! La configuration actuelle ne permet pas de tester le RAM !", quoi);
      }
    }
  }
}

TEST(Juger, CarteVideoEtSeuilDuProcesseur) {
  const std::wstring sansTL = L"Danger ! Votre carte vidéo ne supporte probablement pas T&&L !";
  struct Cas {
    uint8_t is3D;
    int32_t memoire;
    uint8_t echec;
    NiveauVerdict cg;
    uint32_t couleurCG;
    std::wstring cmtCG;
    uint32_t couleurSpecial;
    std::wstring cmtSpecial;
    int32_t seuil;
  };
  const std::wstring supporte = L"Votre carte devrait supporter le T&&L.";
  const std::wstring note = L"Note: Ce n'est pas parce que votre carte fait du 3D qu'elle supporte le T&&L.";
  const std::wstring ne = L"Votre carte ne supporte pas T&&L.";
  const std::wstring inconnue = L"Impossible de détecter votre carte video.";
  const Cas cas[] = {
      // With 3D acceleration the memory decides the T&L note and the failure flag is never read.
      {1, 33, 0, kOk, kVert, kBien, kVert, supporte, 600},
      {1, 33, 1, kOk, kVert, kBien, kVert, supporte, 600},
      {1, 32, 0, kOk, kVert, kBien, kJaune, note, 600},
      {1, 32, 1, kOk, kVert, kBien, kJaune, note, 600},
      {1, -1, 0, kOk, kVert, kBien, kJaune, note, 600},
      // Without it the memory is never read and the failure flag picks the lower line.
      {0, 33, 0, kDanger, kRouge, sansTL, kRouge, ne, 1500},
      {0, 32, 0, kDanger, kRouge, sansTL, kRouge, ne, 1500},
      {0, 33, 1, kDanger, kRouge, sansTL, kRouge, inconnue, 1500},
      {0, 32, 1, kDanger, kRouge, sansTL, kRouge, inconnue, 1500},
      {0, 0, 255, kDanger, kRouge, sansTL, kRouge, inconnue, 1500},
      // Only 1 means 3D acceleration, as the "Oui" of its label.
      {2, 128, 0, kDanger, kRouge, sansTL, kRouge, ne, 1500},
  };
  for (const Cas& c : cas) {
    auto r = Bon();
    r.Is3D = c.is3D;
    r.MemoireVideo = c.memoire;
    r.EchecVideo = c.echec;
    const auto v = Juger(r);
    const std::string quoi =
        "Is3D " + std::to_string(c.is3D) + ", " + std::to_string(c.memoire) + " MB, echec " + std::to_string(c.echec);
    EXPECT_EQ(v.cg, c.cg) << quoi;
    Verifier(v.cmtCG, c.couleurCG, c.cmtCG, quoi + " (upper line)");
    Verifier(v.cmtSpecial, c.couleurSpecial, c.cmtSpecial, quoi + " (lower line)");
    EXPECT_EQ(v.SeuilVitesse, c.seuil) << quoi;
  }
}

TEST(Juger, VitesseContreLeSeuil) {
  struct Cas {
    uint8_t is3D;
    int32_t vitesse;
    NiveauVerdict niveau;
    uint32_t couleur;
    const std::wstring& legende;
  };
  const Cas cas[] = {
      {1, 599, kDanger, kRouge, kEchoue},
      {1, 600, kAttention, kJaune, kPasse},
      {1, 601, kOk, kVert, kBien},
      {0, 1499, kDanger, kRouge, kEchoue},
      {0, 1500, kAttention, kJaune, kPasse},
      {0, 1501, kOk, kVert, kBien},
      {1, 1000, kOk, kVert, kBien},
      {0, 1000, kDanger, kRouge, kEchoue},
      {1, 0, kDanger, kRouge, kEchoue},
      {0, 0, kDanger, kRouge, kEchoue},
      {1, -601, kDanger, kRouge, kEchoue},
      {0, INT32_MAX, kOk, kVert, kBien},  // signed
      {1, INT32_MIN, kDanger, kRouge, kEchoue},
  };
  for (const Cas& c : cas) {
    auto r = Bon();
    r.Is3D = c.is3D;
    r.Vitesse = c.vitesse;
    const auto v = Juger(r);
    const std::string quoi = std::to_string(c.vitesse) + " MHz, Is3D " + std::to_string(c.is3D);
    EXPECT_EQ(v.cpu, c.niveau) << quoi;
    Verifier(v.cmtCPU, c.couleur, c.legende, quoi);
  }
}

TEST(Juger, DirectXNonSigne) {
  const std::wstring recente = L"Votre version de Directx est assez recente.";
  const std::wstring ancienne = L"Cette Version de directx est trop ancienne. Veuillez la mettre a jour.";
  const std::wstring absente = L"Impossible de trouver DirectX. Veuillez installer la dernière version disponible.";
  struct Cas {
    uint32_t majeur;
    NiveauVerdict niveau;
    uint32_t couleur;
    const std::wstring& legende;
  };
  const Cas cas[] = {
      {0, kDanger, kRouge, absente},      {1, kAttention, kJaune, ancienne},
      {7, kAttention, kJaune, ancienne},  {8, kOk, kVert, recente},
      {9, kOk, kVert, recente},           {2147483648u, kOk, kVert, recente},  // negative if it were read as signed
      {0xFFFFFFFFu, kOk, kVert, recente},
  };
  for (const Cas& c : cas) {
    auto r = Bon();
    r.DxMajeur = c.majeur;
    r.DxMineur = 99;  // never consulted
    r.DxLettre = "z";
    const auto v = Juger(r);
    EXPECT_EQ(v.dx, c.niveau) << c.majeur;
    Verifier(v.cmtDx, c.couleur, c.legende, std::to_string(c.majeur));
  }
}

TEST(Juger, UnPCSansRienReconnu) {
  // What the probes leave when they find nothing: every tab says so.
  const auto v = Juger(sondes::ResultatsInspection{});
  EXPECT_EQ(v.os, kAttention);
  EXPECT_EQ(v.ram, kAttention);
  EXPECT_EQ(v.cg, kDanger);
  EXPECT_EQ(std::wstring(v.cmtSpecial.legende), L"Votre carte ne supporte pas T&&L.");
  EXPECT_EQ(v.SeuilVitesse, 1500);
  EXPECT_EQ(v.cpu, kDanger);
  EXPECT_EQ(v.dx, kDanger);
}

// One row per case of the verdicts with its tab's hint: what was measured and the bar it was held to.
TEST(Juger, ChaqueCasDitPourquoi) {
  using R = sondes::ResultatsInspection;
  using V = bilan::Verdicts;
  struct Cas {
    void (*regler)(R&);
    std::wstring V::*bulle;
    std::wstring texte;
  };
  const std::wstring os = L"Il faut Windows 98, ME, 2000 ou XP.";
  const std::wstring inconnu = L"Ce système n'a pas été reconnu : Windows 98, ME, 2000 ou XP attendu.";
  const std::wstring nonJugee = L" La mémoire ne peut donc pas être jugée.";
  const std::wstring tl = L" Il faut une carte 3D ; plus de 32 Mo de mémoire vidéo pour le T&L.";
  const std::wstring cpu = L". Il faut plus de 600 MHz avec une carte 3D, plus de 1500 MHz sans.";
  const std::wstring dx = L" Il faut DirectX 8 ou plus.";
  const std::wstring sans3D = L"Mesuré : pas d'accélération 3D. Il faut une carte 3D.";
  const std::wstring pilote =
      L" Le pilote de votre carte graphique n'est pas installé : Windows utilise son pilote de base, sans 3D. "
      L"Installez celui du fabricant de la carte.";
  const std::wstring rate = L"La vitesse du processeur n'a pas pu être mesurée : ";
  const std::wstring encore = L" pendant la pause. Relancez le programme pour la mesurer à nouveau.";
  const Cas cas[] = {
      {[](R&) {}, &V::bulleOS, L"Détecté : Windows XP. " + os},
      {[](R& r) { r.CodeOS = 0, r.VerOS = "OS inconnu"; }, &V::bulleOS, inconnu},
      {[](R& r) { r.CodeOS = 1, r.VerOS = "Windows 95"; }, &V::bulleOS, L"Détecté : Windows 95. " + os},
      {[](R& r) {
         r.Faits.versionConnue = true, r.Faits.majeure = 10, r.Faits.build = 19045, r.Faits.plateforme = 2;
         r.Faits.typeProduit = 3, r.Faits.edition = 0xAF;  // Windows 10 Enterprise multi-session
       },
       &V::bulleOS, L"Détecté : Windows XP. " + os + L" Votre système : Windows 10 (build 19045)."},
      {[](R& r) { r.TotalRAM = 24106; }, &V::bulleRAM, L"Mesuré : 24106 Mo. Il faut plus de 256 Mo."},
      {[](R& r) { r.TotalRAM = 256; }, &V::bulleRAM, L"Mesuré : 256 Mo. Il faut plus de 256 Mo."},
      {[](R& r) { r.TotalRAM = 255; }, &V::bulleRAM, L"Mesuré : 255 Mo. Il faut plus de 256 Mo."},
      {[](R& r) { r.CodeOS = 0, r.VerOS = "OS inconnu"; }, &V::bulleRAM, inconnu + nonJugee},
      {[](R& r) { r.CodeOS = 4, r.VerOS = "Windows NT 4"; }, &V::bulleRAM, L"Détecté : Windows NT 4. " + os + nonJugee},
      {[](R& r) { r.MemoireVideo = 33; }, &V::bulleCG, L"Mesuré : carte 3D, 33 Mo de mémoire vidéo." + tl},
      {[](R& r) { r.MemoireVideo = 32; }, &V::bulleCG, L"Mesuré : carte 3D, 32 Mo de mémoire vidéo." + tl},
      {[](R& r) { r.Is3D = 0; }, &V::bulleCG, L"Mesuré : pas d'accélération 3D. Il faut une carte 3D."},
      {[](R& r) { r.Is3D = 0, r.EchecVideo = 1; }, &V::bulleCG,
       L"La carte graphique n'a pas pu être examinée. Il faut une carte 3D."},
      // Windows's own driver, by its English and French names, whatever the case.
      {[](R& r) { r.Is3D = 0, r.MarqueVideo = "CARTE GRAPHIQUE DE BASE MICROSOFT"; }, &V::bulleCG, sans3D + pilote},
      {[](R& r) { r.Is3D = 0, r.MarqueVideo = "Carte graphique VGA standard"; }, &V::bulleCG, sans3D + pilote},
      {[](R& r) { r.Is3D = 0, r.MarqueVideo = "standard vga graphics adapter"; }, &V::bulleCG, sans3D + pilote},
      {[](R& r) { r.Is3D = 0, r.MarqueVideo = "Carte graphique de base Microsoft 2"; }, &V::bulleCG, sans3D},
      {[](R& r) { r.Vitesse = 2448; }, &V::bulleCPU, L"Mesuré : 2448 MHz" + cpu},
      {[](R& r) { r.Vitesse = 600; }, &V::bulleCPU, L"Mesuré : 600 MHz" + cpu},
      {[](R& r) { r.Vitesse = 599; }, &V::bulleCPU, L"Mesuré : 599 MHz" + cpu},
      {[](R& r) { r.Is3D = 0, r.Vitesse = 1501; }, &V::bulleCPU, L"Mesuré : 1501 MHz, sans carte 3D" + cpu},
      {[](R& r) { r.Is3D = 0, r.Vitesse = 1500; }, &V::bulleCPU, L"Mesuré : 1500 MHz, sans carte 3D" + cpu},
      {[](R& r) { r.Is3D = 0, r.Vitesse = 1499; }, &V::bulleCPU, L"Mesuré : 1499 MHz, sans carte 3D" + cpu},
      {[](R& r) { r.Vitesse = 0, r.Faits.pause = sondes::PauseRatee::CyclesEnArriere; }, &V::bulleCPU,
       rate + L"le compteur de cycles du processeur a reculé" + encore + cpu.substr(1)},
      {[](R& r) { r.Vitesse = 0, r.Faits.pause = sondes::PauseRatee::CompteurEnArriere; }, &V::bulleCPU,
       rate + L"le compteur de temps de Windows a reculé" + encore + cpu.substr(1)},
      {[](R& r) { r.Is3D = 0, r.Vitesse = 0, r.Faits.pause = sondes::PauseRatee::CompteurArrete; }, &V::bulleCPU,
       rate + L"le compteur de temps de Windows n'a pas avancé" + encore + cpu.substr(1)},
      {[](R& r) { r.DxMajeur = 9; }, &V::bulleDx, L"Mesuré : DirectX 9." + dx},
      {[](R& r) { r.DxMajeur = 7; }, &V::bulleDx, L"Mesuré : DirectX 7." + dx},
      {[](R& r) { r.DxMajeur = 0; }, &V::bulleDx, L"DirectX n'a pas été trouvé." + dx},
  };
  for (size_t i = 0; i < std::size(cas); ++i) {
    auto r = Bon();
    r.VerOS = "Windows XP";
    cas[i].regler(r);
    EXPECT_EQ(Juger(r).*cas[i].bulle, cas[i].texte) << "row " << i;
  }
}

// What a player can do, from machines of the corpus: the real system named, Wine named, the way to run the
// game on a newer Windows, a missing video driver, the processor under emulation.
TEST(Juger, LesConseilsViennentDesMachinesDuCorpus) {
  using V = bilan::Verdicts;
  const std::wstring inconnu = L"Ce système n'a pas été reconnu : Windows 98, ME, 2000 ou XP attendu.";
  const std::wstring compatibilite =
      L" Pour lancer le jeu : clic droit sur son programme > Propriétés > Compatibilité, cochez le mode de "
      L"compatibilité « Windows XP (Service Pack 3) » ; s'il le demande, exécutez-le aussi en tant qu'administrateur.";
  const std::wstring pilote =
      L" Le pilote de votre carte graphique n'est pas installé : Windows utilise son pilote de base, sans 3D. "
      L"Installez celui du fabricant de la carte.";
  struct Cas {
    const char* releve;
    std::wstring V::*bulle;
    std::wstring texte;
    bool entier;  // the whole hint, else its end
  };
  const Cas cas[] = {
      {"13-win10-i5-6600k-r9-200.txt", &V::bulleOS,
       inconnu + L" Votre système : Windows 10 (build 19045)." + compatibilite, true},
      {"17-win11-i9-12900k-quadro-p1000-deux-ecrans.txt", &V::bulleOS,
       inconnu + L" Votre système : Windows 11 (build 22631)." + compatibilite, true},
      {"15-wine8-linux-core-i7-2600k.txt", &V::bulleOS,
       inconnu + L" Votre système : Windows 7 (build 7601), sous Wine 8.0, Linux. Pour lancer le jeu : dans winecfg, "
                 L"onglet Applications, ajoutez son programme et choisissez la version de Windows « Windows XP ».",
       true},
      {"24-winxp-athlonxp-2200-radeon9200.txt", &V::bulleOS,
       L"Détecté : Windows XP. Il faut Windows 98, ME, 2000 ou XP. Votre système : Windows XP (build 2600).", true},
      {"20-win11-ryzen9-7900x-pilote-de-base.txt", &V::bulleCG, pilote, false},
      {"10-vista-pentium4-vga-standard.txt", &V::bulleCG, pilote, false},
      {"13-win10-i5-6600k-r9-200.txt", &V::bulleCG, L" pour le T&L.", false},
      {"32-win11-arm64-snapdragon-x-elite.txt", &V::bulleCPU,
       L"Mesuré : 3417 MHz. Il faut plus de 600 MHz avec une carte 3D, plus de 1500 MHz sans. Ce programme est émulé "
       L"sous Windows sur ARM : le nom et la vitesse du processeur sont ceux que donne Windows.",
       true},
  };
  for (const Cas& c : cas) {
    std::ifstream f(std::string(QUORVANE_RELEVES) + "/" + c.releve, std::ios::binary);
    std::ostringstream contenu;
    contenu << f.rdbuf();
    const auto lu = sondes::LireReleve(contenu.str());
    ASSERT_TRUE(std::holds_alternative<sondes::ReleveLu>(lu)) << c.releve;
    const auto r = sondes::Decoder(std::get<sondes::ReleveLu>(lu).releve,
                                   [](std::string_view t) { return std::optional<std::string>(t); });
    const std::wstring bulle = Juger(r).*c.bulle;
    if (c.entier)
      EXPECT_EQ(bulle, c.texte) << c.releve;
    else
      EXPECT_EQ(bulle.substr(bulle.size() - std::min(bulle.size(), c.texte.size())), c.texte) << c.releve;
  }
}

}  // namespace
