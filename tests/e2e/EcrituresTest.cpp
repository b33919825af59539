// Quorvane keeps no settings and writes nothing but the report the user asks for: the prefix's registry
// (software keys other than Wine's own) and its whole drive C are compared before and after a full run.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Fichiers.h"
#include "Pilote.h"

namespace {

using Instantane = std::map<std::wstring, std::wstring>;  // what -> a digest of its state

std::wstring Hex(const BYTE* octets, DWORD n) {
  static const wchar_t chiffres[] = L"0123456789abcdef";
  std::wstring h;
  for (DWORD i = 0; i < n; ++i) h += {chiffres[octets[i] >> 4], chiffres[octets[i] & 15]};
  return h;
}

// Keys that are not Quorvane's to write: Wine's own settings (where the test driver also sets the per-program
// versions), and the system file dialog's history of visited folders, which the dialog keeps for every
// program that shows it (Windows keeps its own *PidlMRU lists the same way).
bool PasANous(const std::wstring& cle) {
  const wchar_t* autres[] = {L"Software\\Wine", L"Software\\Wow6432Node\\Wine",
                             L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32"};
  for (const wchar_t* autre : autres)
    if (_wcsicmp(cle.c_str(), autre) == 0) return true;
  return false;
}

void Cle(HKEY racine, const std::wstring& chemin, Instantane& vu) {
  HKEY h;
  if (RegOpenKeyExW(racine, chemin.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return;
  vu[L"key " + chemin] = L"";
  for (DWORD i = 0;; ++i) {
    wchar_t nom[16384];
    DWORD longueurNom = 16384, type = 0, taille = 0;
    if (RegEnumValueW(h, i, nom, &longueurNom, nullptr, &type, nullptr, &taille) != ERROR_SUCCESS) break;
    std::wstring valeur(nom, longueurNom);
    std::basic_string<BYTE> donnees(taille, 0);
    longueurNom = 16384;
    RegEnumValueW(h, i, nom, &longueurNom, nullptr, &type, donnees.data(), &taille);
    vu[L"value " + chemin + L" : " + valeur] = std::to_wstring(type) + L" " + Hex(donnees.data(), taille);
  }
  for (DWORD i = 0;; ++i) {
    wchar_t nom[256];
    DWORD longueur = 256;
    if (RegEnumKeyExW(h, i, nom, &longueur, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::wstring enfant = chemin + L"\\" + nom;
    if (PasANous(enfant)) continue;
    Cle(racine, enfant, vu);
  }
  RegCloseKey(h);
}

void Dossier(const std::wstring& chemin, Instantane& vu) {
  WIN32_FIND_DATAW d;
  HANDLE recherche = FindFirstFileW((chemin + L"\\*").c_str(), &d);
  if (recherche == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring nom = d.cFileName;
    if (nom == L"." || nom == L"..") continue;
    const std::wstring complet = chemin + L"\\" + nom;
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      vu[L"folder " + complet] = L"";
      if (!(d.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) Dossier(complet, vu);
    } else {
      const ULONGLONG taille = (ULONGLONG{d.nFileSizeHigh} << 32) | d.nFileSizeLow;
      const ULONGLONG date = (ULONGLONG{d.ftLastWriteTime.dwHighDateTime} << 32) | d.ftLastWriteTime.dwLowDateTime;
      vu[L"file " + complet] = std::to_wstring(taille) + L" " + std::to_wstring(date);
    }
  } while (FindNextFileW(recherche, &d));
  FindClose(recherche);
}

Instantane Photographier() {
  Instantane vu;
  Cle(HKEY_CURRENT_USER, L"Software", vu);
  Cle(HKEY_LOCAL_MACHINE, L"Software", vu);
  Dossier(L"C:", vu);
  return vu;
}

// Every entry added, removed or changed between the two pictures.
std::vector<std::wstring> Differences(const Instantane& avant, const Instantane& apres) {
  std::vector<std::wstring> d;
  for (const auto& [quoi, etat] : apres) {
    const auto it = avant.find(quoi);
    if (it == avant.end())
      d.push_back(L"added: " + quoi);
    else if (it->second != etat)
      d.push_back(L"changed: " + quoi);
  }
  for (const auto& [quoi, etat] : avant)
    if (!apres.count(quoi)) d.push_back(L"removed: " + quoi);
  return d;
}

TEST(Ecritures, UneExecutionAvecExportNEcritQueLeRapport) {
  const std::wstring exe = pilote::Copie(L"Q_ecritures.exe");
  const std::wstring dossier = fichiers::DossierVide(L"quorvane-ecritures");
  const std::wstring rapport = dossier + L"\\rapport.txt";
  const Instantane avant = Photographier();

  {
    pilote::Processus p(exe);
    HWND fiche = p.Fenetre(L"TFichePrinc");
    ASSERT_NE(fiche, nullptr);
    pilote::Cliquer(pilote::Controle(fiche, "LMDMMButton3"));
    HWND dialogue = p.Dialogue(L"Exporter sous...");
    ASSERT_NE(dialogue, nullptr);
    ASSERT_TRUE(pilote::ChoisirFichier(dialogue, rapport));
    ASSERT_TRUE(pilote::Attendre([&] { return fichiers::Lire(rapport).has_value(); }, 10000));
    for (int i = 0; i < 5; ++i) pilote::CliquerOnglet(pilote::Controle(fiche, "Tabs"), i);
    PostMessageW(fiche, WM_CLOSE, 0, 0);
    ASSERT_EQ(p.AttendreFin(10000), 0);
  }

  std::vector<std::wstring> attendu{L"added: file " + rapport};
  const auto differences = Differences(avant, Photographier());
  std::wstring liste;
  for (const auto& d : differences) liste += d + L"\n";
  EXPECT_EQ(differences, attendu) << std::string(liste.begin(), liste.end());
}

}  // namespace
