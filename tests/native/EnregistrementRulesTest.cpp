#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FichiersDocumentes.h"
#include "assess/Enregistrement.h"
#include "assess/EnregistrementRules.h"
#include "base/Exception.h"

namespace {

TEST(Enregistrement, DossierEtNomTemporaire) {
  struct Cas {
    std::wstring cible, dossier;
  };
  const Cas cas[] = {
      {L"C:\\Users\\Léa\\rapport.txt", L"C:\\Users\\Léa\\"},
      {L"C:\\rapport.txt", L"C:\\"},
      {L"Z:/tmp/rapport.txt", L"Z:/tmp/"},
      {L"\\\\serveur\\partage\\r.txt", L"\\\\serveur\\partage\\"},
      {L"C:rapport.txt", L"C:"},
      {L"rapport.txt", L""},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(bilan::DossierDe(c.cible), c.dossier) << c.cible;
    const std::wstring temp = bilan::NomTemporaire(c.cible, 0x1234ABCDu);
    EXPECT_EQ(temp, c.dossier + L"~qv1234abcd.tmp") << c.cible;
    EXPECT_NE(temp, c.cible);
  }
  EXPECT_NE(bilan::NomTemporaire(L"C:\\r.txt", 1), bilan::NomTemporaire(L"C:\\r.txt", 2));
  EXPECT_EQ(bilan::NomTemporaire(L"C:\\r.txt", 0), L"C:\\~qv00000000.tmp");
}

TEST(Enregistrement, CheminPourWindows) {
  const std::wstring d255(255, L'd');  // with "C:\\" and "\\r.txt" the path has 264 characters
  struct Cas {
    std::wstring chemin, attendu;
  };
  const Cas cas[] = {
      {L"C:\\Rapports\\r.txt", L"C:\\Rapports\\r.txt"},                               // short: as it is
      {L"C:\\" + std::wstring(256, L'x'), L"C:\\" + std::wstring(256, L'x')},         // 259 + the final zero: fits
      {L"C:\\" + std::wstring(257, L'x'), L"\\\\?\\C:\\" + std::wstring(257, L'x')},  // 260 + zero: too long
      {L"C:\\" + d255 + L"\\r.txt", L"\\\\?\\C:\\" + d255 + L"\\r.txt"},
      {L"z:/" + d255 + L"/r.txt", L"\\\\?\\z:\\" + d255 + L"\\r.txt"},  // the long form takes no '/'
      {L"@:\\" + d255 + L"\\r.txt", L"@:\\" + d255 + L"\\r.txt"},       // '@' is no drive letter
      {L"\\\\serveur\\partage\\" + d255, L"\\\\?\\UNC\\serveur\\partage\\" + d255},
      {L"\\\\?\\C:\\" + d255 + L"\\r.txt", L"\\\\?\\C:\\" + d255 + L"\\r.txt"},  // already long
      {L"Rapports\\" + d255, L"Rapports\\" + d255},                              // relative: not for the long form
      {L"C:" + d255 + L"\\r.txt", L"C:" + d255 + L"\\r.txt"},                    // drive-relative, likewise
  };
  for (const Cas& c : cas) EXPECT_EQ(bilan::CheminPourWindows(c.chemin), c.attendu) << c.chemin.size();
}

TEST(Enregistrement, SansFlux) {
  struct Cas {
    std::wstring chemin;
    bool fichier;
  };
  const Cas cas[] = {
      {L"C:\\Rapports\\r.txt", true},
      {L"C:r.txt", true},  // a drive's ':' only
      {L"C:\\Rapports\\a:b.txt", false},
      {L"C:\\Rapports\\r.txt:flux", false},
      {L"\\\\?\\C:\\Rapports\\r.txt", true},
      {L"\\\\?\\C:\\a:b.txt", false},
      {L"\\\\serveur\\p\\r.txt", true},
      {L"\\\\serveur\\p\\a:b.txt", false},
      {L"r.txt", true},
      {L"1:\\r.txt", false},  // '1' is no drive letter
  };
  for (const Cas& c : cas) EXPECT_EQ(bilan::SansFlux(c.chemin), c.fichier) << c.chemin;
}

// Whether a path is a device follows the system's answer, which changed with Windows 11; the name is the one
// typed, and a device typed as such is the player's own.
TEST(Enregistrement, NomsReserves) {
  struct Cas {
    std::wstring chemin;
    bool windows11;
    std::wstring complet;  // what the command saves to, or reads
    bool reserve;
  };
  const Cas cas[] = {
      {L"releve.txt", false, L"C:\\Jeux\\releve.txt", false},
      {L"nul.txt", false, L"nul.txt", true},
      {L"C:\\Rapports\\CON.txt", false, L"C:\\Rapports\\CON.txt", true},
      {L"aux.txt", false, L"aux.txt", true},
      {L"COM1.txt", false, L"COM1.txt", true},
      {L"Rapports/lpt1.tar.gz", false, L"Rapports/lpt1.tar.gz", true},
      {L"COM10.txt", false, L"C:\\Jeux\\COM10.txt", false},
      {L"\\\\.\\NUL", false, L"\\\\.\\NUL", false},
      {L"nul.txt", true, L"C:\\Jeux\\nul.txt", false},
      {L"C:\\Rapports\\con", true, L"C:\\Rapports\\con", false},
      {L"con", true, L"con", true},
      {L"C:\\Rapports\\nul", true, L"C:\\Rapports\\nul", true},
  };
  for (const Cas& c : cas) {
    FichiersDocumentes f;
    f.windows11 = c.windows11;
    EXPECT_EQ(bilan::CheminComplet(c.chemin, f), c.complet) << c.chemin << (c.windows11 ? " (11)" : "");
    EXPECT_EQ(bilan::NomReserve(c.chemin, f), c.reserve) << c.chemin << (c.windows11 ? " (11)" : "");
  }
  EXPECT_EQ(bilan::ErreurNomReserve(L"Rapports/NUL.TXT").Message(),
            L"« NUL.TXT » est un nom réservé de Windows ; choisissez-en un autre");
}

// The safe save's table (assess/Enregistrement.h), row by row on the documented file system: the message, every
// file by name and bytes afterwards, and the invariants of any save: no handle left open, under 4 s of pauses.
TEST(Enregistrement, LaTableDeLEnregistrement) {
  using F = FichiersDocumentes::Fichier;
  using namespace bilan;
  const std::string kAncien = "l'ancien rapport, plus long que le nouveau\r\n", kNouveau = "\r\nCPU   : x\r\n";
  const std::wstring r = L"C:\\Rapports\\r.txt", tmp = L"C:\\Rapports\\~qv00000000.tmp",
                     svg = L"C:\\Rapports\\~qv80000000.tmp", vrai = L"C:\\Ailleurs\\vrai.txt";
  // 254 characters: the target's path fits MAX_PATH, the temporary file's beside it does not.
  const std::wstring profond = L"C:\\" + std::wstring(245, L'd') + L"\\r.txt", grec = L"C:\\Ελληνικά 日本\\r.txt";
  const std::wstring refus = L"Impossible de créer le fichier " + r, ecriture = L"Erreur d'écriture dans le flux";
  const F ancien{kAncien, kAttributArchive | kAttributNonIndexe, 7, {L"Zone.Identifier"}, L""};
  F nouveau = ancien, cache = ancien, systeme = ancien, seule = ancien;
  nouveau.contenu = kNouveau;
  cache.attributs |= kAttributCache;
  systeme.attributs |= kAttributSysteme;
  seule.attributs |= kAttributLectureSeule;
  const F cree{kNouveau, kAttributNormal, 101, {}, L""}, cree2{kNouveau, kAttributNormal, 102, {}, L""};
  const F lien{"", kAttributArchive, 3, {}, vrai}, perdu{"", kAttributArchive, 3, {}, L"C:\\Ailleurs\\x.txt"};
  const F dossier{"", kAttributDossier, 2, {}, L""};
  F analyse = ancien, analyseNouveau = nouveau;
  analyse.attributs |= kAttributLien;
  analyseNouveau.attributs |= kAttributLien;
  const F court{"court\r\n", kAttributArchive, 5, {}, L""};                                 // shorter than the new
  const F longue{std::string(kNouveau) + "et la suite\r\n", kAttributArchive, 6, {}, L""};  // longer
  const F grand{std::string(64 << 20, 'g'), kAttributArchive, 8, {}, L""};                  // the in-place cap
  const F moyen{std::string((64 << 10) + 100, 'm'), kAttributArchive, 9, {}, L""};          // more than one read
  F grandNouveau = grand;
  grandNouveau.contenu = kNouveau;
  // What the target's folder refuses, or that it is missing, and what else the file system does.
  enum Situation {
    kSansCreation = 1,
    kSansSuppression = 2,
    kAbsent = 4,
    kDisquePlein = 8,
    kEcritureDifferee = 16,
    kEchecFermeture = 32,
    kSansRenommage = 64,
    kSansCheminFinal = 128,
  };
  struct Cas {
    const char* quoi;
    std::map<std::wstring, F> avant = {}, apres = {};
    std::wstring message = {};  // empty: saved
    int situation = 0;
    Erreur echecRemplacement = kSucces;
    std::map<std::wstring, int> tenus = {};
    int tenueApres = 0;
    std::wstring chemin = L"C:\\Rapports\\r.txt";
    int reussitApres = 0;    // with echecRemplacement: the replaces that fail so before one succeeds
    bool windows11 = false;  // else the file system answers as Windows 7 to 10
  };
  constexpr Erreur k1175 = kErreurRemplaceIndelebile, k1176 = kErreurRemplacantImmobile,
                   k1177 = kErreurRemplacantImmobile2;
  const Cas cas[] = {
      // Refused before anything is made.
      {.quoi = "a ':' past the folder names a stream",
       .message = L"Impossible de créer le fichier C:\\Rapports\\a:b.txt",
       .chemin = L"C:\\Rapports\\a:b.txt"},
      {.quoi = "a reserved name that the system makes a device",
       .message = L"« nul.txt » est un nom réservé de Windows ; choisissez-en un autre",
       .chemin = L"C:\\Rapports\\nul.txt"},
      {.quoi = "a reserved name that Windows 11 leaves a file",
       .apres = {{L"C:\\Rapports\\nul.txt", cree}},
       .chemin = L"C:\\Rapports\\nul.txt",
       .windows11 = true},
      {"a folder in the target's place", {{r, dossier}}, {{r, dossier}}, refus},
      {"a read-only file", {{r, seule}}, {{r, seule}}, refus},
      {"a hidden file", {{r, cache}}, {{r, cache}}, refus},
      {"a system file", {{r, systeme}}, {{r, systeme}}, refus},
      {"a link that leads nowhere", {{r, perdu}}, {{r, perdu}}, refus},
      {"a symbolic link is written through and stays", {{r, lien}, {vrai, ancien}}, {{r, lien}, {vrai, nouveau}}},
      // Before Vista a reparse point is no symbolic link (a single-instance file): the file itself is replaced.
      {"before Vista, a reparse point is the file", {{r, analyse}}, {{r, analyseNouveau}}, L"", kSansCheminFinal},
      // A new target.
      {"a new file", {}, {{r, cree}}},
      {.quoi = "a folder and a name outside the ANSI code page", .apres = {{grec, cree}}, .chemin = grec},
      {.quoi = "a folder so deep that only the long form reaches the temporary file",
       .apres = {{profond, cree}},
       .chemin = profond},
      {"a new file in a folder that refuses deletion", {}, {{r, cree}}, L"", kSansSuppression},
      {"there, no rename through a handle: the target made", {}, {{r, cree2}}, L"", kSansSuppression | kSansRenommage},
      {"there, a full disk: nothing left", {}, {}, ecriture, kSansSuppression | kDisquePlein},
      {"no rename through a handle, a failed close: nothing left", {}, {}, ecriture, kSansRenommage | kEchecFermeture},
      {"a new file in a folder that refuses new files", {}, {}, refus, kSansCreation},
      {"a missing folder", {}, {}, refus, kAbsent},
      // An existing target, replaced.
      {"a replaced file keeps its attributes, creation time and streams", {{r, ancien}}, {{r, nouveau}}},
      {"a full disk: the target untouched", {{r, ancien}}, {{r, ancien}}, ecriture, kDisquePlein},
      {"a target held throughout", {{r, ancien}}, {{r, ancien}}, refus, 0, kSucces, {{r, 99}}},
      {"an undeletable replaced file (1175) keeps both names", {{r, ancien}}, {{r, ancien}}, refus, 0, k1175},
      {"a refused last rename (1176) keeps both names", {{r, ancien}}, {{r, ancien}}, refus, 0, k1176},
      {.quoi = "1175 once, then saved",
       .avant = {{r, ancien}},
       .apres = {{r, nouveau}},
       .echecRemplacement = k1175,
       .reussitApres = 1},
      {.quoi = "1176 once, then saved",
       .avant = {{r, ancien}},
       .apres = {{r, nouveau}},
       .echecRemplacement = k1176,
       .reussitApres = 1},
      {"any other error keeps both names", {{r, ancien}}, {{r, ancien}}, refus, 0, kErreurParametre},
      {"a refused last move (1177): the old file back", {{r, ancien}}, {{r, ancien}}, refus, 0, k1177},
      {"1177, both files held a moment: the old file back", {{r, ancien}}, {{r, ancien}}, refus, 0, k1177, {}, 3},
      {"1177, the backup held past its moves: the new file in",
       {{r, ancien}},
       {{r, nouveau}},
       L"",
       0,
       k1177,
       {{svg, 12}}},
      {"a target held a while, 1177, both files held throughout: the message names them",
       {{r, ancien}},
       {{svg, ancien}, {tmp, nouveau}},
       refus + L" : l'ancien contenu est dans " + svg + L", le nouveau contenu est dans " + tmp,
       0,
       k1177,
       {{r, 9}},
       99},
      {"the backup held after the replace", {{r, ancien}}, {{r, nouveau}}, L"", 0, kSucces, {}, 3},
      // An existing target, written in place.
      {"in a folder that refuses new files", {{r, ancien}}, {{r, nouveau}}, L"", kSansCreation},
      {"in a folder that refuses deletion", {{r, ancien}}, {{r, nouveau}}, L"", kSansSuppression},
      {"a full disk puts the old bytes back", {{r, court}}, {{r, court}}, ecriture, kSansCreation | kDisquePlein},
      {"a delayed write lost after the cut puts the old end back",
       {{r, longue}},
       {{r, longue}},
       ecriture,
       kSansCreation | kEcritureDifferee},
      {"a failed close puts the old bytes back",
       {{r, ancien}},
       {{r, ancien}},
       ecriture,
       kSansCreation | kEchecFermeture},
      {"a little over 64 KiB, a lost delayed write: the old bytes back",
       {{r, moyen}},
       {{r, moyen}},
       ecriture,
       kSansCreation | kEcritureDifferee},
      {"64 MiB or more: written over plainly", {{r, grand}}, {{r, grandNouveau}}, L"", kSansCreation},
      {"there, a lost delayed write loses the old bytes",
       {{r, grand}},
       {{r, grandNouveau}},
       ecriture,
       kSansCreation | kEcritureDifferee},
  };
  for (const Cas& c : cas) {
    FichiersDocumentes f;
    f.fichiers = c.avant;
    const std::wstring d = DossierDe(c.chemin);
    if (c.situation & kSansCreation) f.sansCreation.insert(d);
    if (c.situation & kSansSuppression) f.sansSuppression.insert(d);
    if (c.situation & kAbsent) f.absents.insert(d);
    f.disquePlein = c.situation & kDisquePlein;
    f.ecritureDifferee = c.situation & kEcritureDifferee;
    f.echecFermeture = c.situation & kEchecFermeture;
    f.sansRenommage = c.situation & kSansRenommage;
    f.sansCheminFinal = c.situation & kSansCheminFinal;
    f.echecRemplacement = c.echecRemplacement;
    f.reussitApres = c.reussitApres;
    f.tenus = c.tenus;
    f.tenueApres = c.tenueApres;
    f.windows11 = c.windows11;
    std::wstring message;
    try {
      EnregistrerSansPerte(c.chemin, kNouveau, f);
    } catch (const base::Exception& e) {
      message = e.Message();
    }
    EXPECT_EQ(message, c.message) << c.quoi;
    // Every file by name: the target's bytes, and no file left beside it but as the message says.
    EXPECT_TRUE(f.fichiers == c.apres) << c.quoi << ": " << f.fichiers.size() << " files";
    EXPECT_EQ(f.Ouverts(), 0u) << c.quoi;
    // Within the 5 s a console's closing leaves the process, which waits for the save.
    EXPECT_LT(f.pausesMs, 4000u) << c.quoi;
  }
}

}  // namespace
