// The save that never loses the user's file, on real files under Wine.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "Documente.h"
#include "assess/Enregistrement.h"
#include "assess/EnregistrementRules.h"
#include "base/Exception.h"
#include "ui/Win.h"

namespace {

const std::string kAncien = "l'ancien rapport, plus long que le nouveau\r\n";
const std::string kNouveau = "\r\nCPU              : x\r\n";

std::wstring Dossier() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + L"quorvane-enregistrement";
}

std::optional<std::string> Lire(const std::wstring& chemin) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) return std::nullopt;
  std::string octets(4096, '\0');
  DWORD lus = 0;
  ReadFile(f.get(), octets.data(), static_cast<DWORD>(octets.size()), &lus, nullptr);
  octets.resize(lus);
  return octets;
}

void Ecrire(const std::wstring& chemin, const std::string& octets) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD ecrits = 0;
  WriteFile(f.get(), octets.data(), static_cast<DWORD>(octets.size()), &ecrits, nullptr);
}

// Every name in a folder and its subfolders, relative to it.
void Lister(const std::wstring& dossier, const std::wstring& prefixe, std::vector<std::wstring>& noms) {
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((dossier + L"\\*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring nom = d.cFileName;
    if (nom == L"." || nom == L"..") continue;
    noms.push_back(prefixe + nom);
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Lister(dossier + L"\\" + nom, prefixe + nom + L"\\", noms);
  } while (FindNextFileW(h, &d));
  FindClose(h);
}

void Vider(const std::wstring& dossier) {
  std::vector<std::wstring> noms;
  Lister(dossier, L"", noms);
  for (auto it = noms.rbegin(); it != noms.rend(); ++it) {
    const std::wstring chemin = dossier + L"\\" + *it;
    SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(chemin.c_str())) RemoveDirectoryW(chemin.c_str());
  }
}

TEST(Enregistrement, RemplaceToutOuRien) {
  const std::wstring dossier = Dossier();
  CreateDirectoryW(dossier.c_str(), nullptr);
  base::Handle tenu;
  struct Cas {
    const char* quoi;
    std::wstring nom;    // relative to the folder
    const char* erreur;  // nullptr: the save succeeds; "creer" or "ecrire"
    void (*preparer)(const std::wstring& chemin, base::Handle& tenu);
    std::vector<std::wstring> reste;  // what the folder holds afterwards
  };
  const auto ancien = [](const std::wstring& c, base::Handle&) { Ecrire(c, kAncien); };
  const Cas cas[] = {
      {"a new file", L"r.txt", nullptr, nullptr, {L"r.txt"}},
      {"an older, longer file", L"r.txt", nullptr, ancien, {L"r.txt"}},
      {"a folder and a name outside the ANSI code page",
       L"Ελληνικά 日本\\r.txt",
       nullptr,
       [](const std::wstring& c, base::Handle&) { CreateDirectoryW(c.substr(0, c.rfind(L'\\')).c_str(), nullptr); },
       {L"Ελληνικά 日本", L"Ελληνικά 日本\\r.txt"}},
      {"a missing folder", L"absent\\r.txt", "creer", nullptr, {}},
      {"a folder in the target's place",
       L"r.txt",
       "creer",
       [](const std::wstring& c, base::Handle&) { CreateDirectoryW(c.c_str(), nullptr); },
       {L"r.txt"}},
      {"a read-only target",
       L"r.txt",
       "creer",
       [](const std::wstring& c, base::Handle& t) {
         Ecrire(c, kAncien);
         SetFileAttributesW(c.c_str(), FILE_ATTRIBUTE_READONLY);
         (void)t;
       },
       {L"r.txt"}},
      {"a target held open without sharing",
       L"r.txt",
       "creer",
       [](const std::wstring& c, base::Handle& t) {
         Ecrire(c, kAncien);
         t = base::Handle(CreateFileW(c.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
       },
       {L"r.txt"}},
  };
  for (const Cas& c : cas) {
    Vider(dossier);
    const std::wstring chemin = dossier + L"\\" + c.nom;
    if (c.preparer) c.preparer(chemin, tenu);
    // Read before anyone holds it; a folder or a missing file reads as nothing.
    const auto avant = tenu ? std::optional<std::string>(kAncien) : Lire(chemin);
    std::wstring message;
    const DWORD debut = GetTickCount();
    try {
      bilan::EnregistrerSansPerte(chemin, kNouveau);
    } catch (const base::Exception& e) {
      message = e.Message();
    }
    const DWORD duree = GetTickCount() - debut;
    tenu.Fermer();
    if (!c.erreur) {
      EXPECT_EQ(message, L"") << c.quoi;
      EXPECT_EQ(Lire(chemin), kNouveau) << c.quoi;
    } else {
      EXPECT_EQ(message, L"Impossible de créer le fichier " + chemin) << c.quoi;
      EXPECT_EQ(Lire(chemin), avant) << c.quoi << ": the target is untouched";
    }
    // A hang guard: a held target is retried for about 0.5 s (10 tries, 50 ms apart); ten times that.
    EXPECT_LT(duree, 5000u) << c.quoi << ": retries end";
    std::vector<std::wstring> reste;
    Lister(dossier, L"", reste);
    std::sort(reste.begin(), reste.end());
    EXPECT_EQ(reste, c.reste) << c.quoi << ": no temporary file left";
  }
  Vider(dossier);
}

// What Windows keeps, and what it refuses, on the documented file system.
TEST(Enregistrement, CeQueWindowsGardeEtCeQuIlRefuse) {
  using F = FichiersDocumentes::Fichier;
  const std::wstring dossier = L"C:\\Rapports\\";
  const std::wstring r = dossier + L"r.txt";
  // 254 characters: the target's path fits MAX_PATH, the temporary file's beside it (15 characters of name)
  // does not.
  const std::wstring profond = L"C:\\" + std::wstring(245, L'd') + L"\\r.txt";
  const std::wstring vrai = L"C:\\Ailleurs\\vrai.txt";
  const F ancien{kAncien, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, 7, {L"Zone.Identifier"}, L""};
  F nouveau = ancien;
  nouveau.contenu = kNouveau;
  const F cree{kNouveau, FILE_ATTRIBUTE_NORMAL, 101, {}, L""};  // the fake's first new file
  F cache = ancien, systeme = ancien;
  cache.attributs |= FILE_ATTRIBUTE_HIDDEN;
  systeme.attributs |= FILE_ATTRIBUTE_SYSTEM;
  const F lien{"", FILE_ATTRIBUTE_ARCHIVE, 3, {}, vrai};
  const F court{"court\r\n", FILE_ATTRIBUTE_ARCHIVE, 5, {}, L""};  // shorter than the new bytes
  const F longue{std::string(kNouveau) + "et la suite\r\n", FILE_ATTRIBUTE_ARCHIVE, 6, {}, L""};  // longer

  struct Cas {
    const char* quoi;
    std::wstring chemin;
    std::map<std::wstring, F> avant;
    bool sansCreation;  // the folder lets the user change files, not add any
    bool refuse;        // "Impossible de créer le fichier <chemin>", nothing changed
    std::map<std::wstring, F> apres;
    bool sansSuppression = false;  // the folder lets the user write files, not delete them
    bool disquePlein = false;
    DWORD echecRemplacement = 0;    // what a filter refusing the replace's last rename makes it return
    bool erreurEcriture = false;    // "Erreur d'écriture dans le flux"
    bool ecritureDifferee = false;  // the flush reports a lost delayed write
  };
  const Cas cas[] = {
      {"a new file", r, {}, false, false, {{r, cree}}},
      {"a replaced file keeps its attributes, creation time and streams",
       r,
       {{r, ancien}},
       false,
       false,
       {{r, nouveau}}},
      {"a folder so deep that only the long form reaches the temporary file",
       profond,
       {},
       false,
       false,
       {{profond, cree}}},
      {"a file in a folder where nothing can be added is written in place",
       r,
       {{r, ancien}},
       true,
       false,
       {{r, nouveau}}},
      {"a new file in such a folder", r, {}, true, true, {}},
      {"a hidden file", r, {{r, cache}}, false, true, {{r, cache}}},
      {"a system file", r, {{r, systeme}}, false, true, {{r, systeme}}},
      {"a symbolic link is written through and stays",
       r,
       {{r, lien}, {vrai, ancien}},
       false,
       false,
       {{r, lien}, {vrai, nouveau}}},
      {"a refused last rename leaves the replaced file in place, or gone without a backup name",
       r,
       {{r, ancien}},
       false,
       true,
       {{r, ancien}},
       false,
       false,
       ERROR_UNABLE_TO_MOVE_REPLACEMENT},
      {"a refused last move leaves the replaced file under the backup name, or another",
       r,
       {{r, ancien}},
       false,
       true,
       {{r, ancien}},
       false,
       false,
       ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
      {"a file in a folder where nothing can be deleted is written in place",
       r,
       {{r, ancien}},
       false,
       false,
       {{r, nouveau}},
       true},
      {"a full disk while writing in place puts the old bytes back",
       r,
       {{r, court}},
       true,
       false,
       {{r, court}},
       false,
       true,
       0,
       true},
      {"a delayed write lost after the cut puts the old end back too",
       r,
       {{r, longue}},
       true,
       false,
       {{r, longue}},
       false,
       false,
       0,
       true,
       true},
  };
  for (const Cas& c : cas) {
    FichiersDocumentes f;
    f.fichiers = c.avant;
    if (c.sansCreation) f.sansCreation.insert(bilan::DossierDe(c.chemin));
    if (c.sansSuppression) f.sansSuppression.insert(bilan::DossierDe(c.chemin));
    f.disquePlein = c.disquePlein;
    f.ecritureDifferee = c.ecritureDifferee;
    f.echecRemplacement = c.echecRemplacement;
    std::wstring message;
    try {
      bilan::EnregistrerSansPerte(c.chemin, kNouveau, f);
    } catch (const base::Exception& e) {
      message = e.Message();
    }
    const std::wstring attendu = c.refuse           ? L"Impossible de créer le fichier " + c.chemin
                                 : c.erreurEcriture ? L"Erreur d'écriture dans le flux"
                                                    : L"";
    EXPECT_EQ(message, attendu) << c.quoi;
    // Every file by name: the target's bytes and no file left beside it.
    EXPECT_TRUE(f.fichiers == c.apres) << c.quoi << ": " << f.fichiers.size() << " files";
  }
}

}  // namespace
