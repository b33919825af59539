// The real program under Wine: the memory and the processor it shows, against the host's own figures.
#include <gtest/gtest.h>

#include <cpuid.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "Fichiers.h"
#include "Pilote.h"

namespace {

using pilote::Controle;
using pilote::Processus;
using pilote::Texte;

// The value of a "Name: value" line of a Linux /proc file, read through Wine's drive Z:.
std::string ValeurProc(const char* fichier, const std::string& nom) {
  std::ifstream f(fichier);
  for (std::string ligne; std::getline(f, ligne);) {
    if (ligne.compare(0, nom.size(), nom) != 0) continue;
    const size_t debut = ligne.find_first_not_of(" \t:", nom.size());
    return debut == std::string::npos ? std::string() : ligne.substr(debut);
  }
  return {};
}

std::string SansBlancs(const std::wstring& texte) {
  const size_t debut = texte.find_first_not_of(L' ');
  if (debut == std::wstring::npos) return {};
  const size_t fin = texte.find_last_not_of(L' ');
  return std::string(texte.begin() + static_cast<std::ptrdiff_t>(debut),
                     texte.begin() + static_cast<std::ptrdiff_t>(fin) + 1);
}

// The processor's brand text, from the three CPUID brand leaves, up to its first zero byte.
std::wstring MarqueCpuid() {
  char marque[49] = {};
  for (unsigned i = 0; i < 3; ++i) {
    unsigned r[4];
    __get_cpuid(0x80000002 + i, &r[0], &r[1], &r[2], &r[3]);
    std::memcpy(marque + 16 * i, r, 16);
  }
  return std::wstring(marque, marque + std::strlen(marque));
}

// The host's counter frequency in MHz, written beside the tests by the native helper that CTest runs
// first (FrequenceTscHote.cpp); 0 when it is missing.
double FrequenceDeReference() {
  char chemin[MAX_PATH];
  GetModuleFileNameA(nullptr, chemin, MAX_PATH);
  std::string fichier = chemin;
  fichier = fichier.substr(0, fichier.find_last_of('\\')) + "\\frequence-tsc.txt";
  double mhz = 0;
  std::ifstream(fichier) >> mhz;
  return mhz;
}

TEST(Mesures, LaMemoirePhysiqueEstCelleDeLHote) {
  const std::string memTotal = ValeurProc("Z:\\proc\\meminfo", "MemTotal");  // "24683772 kB"
  ASSERT_FALSE(memTotal.empty()) << "MemTotal not found in Z:\\proc\\meminfo";
  const long long ko = std::stoll(memTotal);

  Processus p(pilote::Copie(L"Q_memoire.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  const std::wstring ram = Texte(Controle(fiche, "LblTotalRAM"));
  ASSERT_EQ(ram.substr(ram.size() - 3), L" Mo") << "LblTotalRAM: " << SansBlancs(ram);
  // Wine takes the amount from the host; a few MB of slack for what the kernel sets aside meanwhile.
  EXPECT_NEAR(std::stod(ram), static_cast<double>(ko / 1024 + 1), 4) << "MemTotal " << memTotal;
  // A 32-bit program's address space is 2 GB less the 128 KB the system keeps; the page file is the host's,
  // gigabytes at least, never wrapped below zero.
  EXPECT_EQ(Texte(Controle(fiche, "LblVirtuel")), L"2048 Mo");
  EXPECT_GT(std::stoll(Texte(Controle(fiche, "LblPage"))), 2048);
  PostMessageW(fiche, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.AttendreFin(10000), 0);
}

// The speed divides the counter's ticks by the pause as the performance counter timed it, so a late wake
// (a loaded host, no real-time class under Wine) reads neither high nor low: 0.5 % either way.
TEST(Mesures, LeProcesseurEstNommeEtSaVitesseEstCelleDuCompteurDeLHote) {
  const double reference = FrequenceDeReference();
  ASSERT_GT(reference, 0) << "no frequence-tsc.txt beside the tests: run them through ctest";

  Processus p(pilote::Copie(L"Q_vitesse.exe"));
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  const std::wstring vitesse = Texte(Controle(fiche, "LblVitesse"));
  ASSERT_EQ(vitesse.substr(vitesse.size() - 4), L" MHz") << SansBlancs(vitesse);
  // The brand text of CPUID, read here too: a virtual machine's kernel may have named the processor
  // otherwise when it booted.
  EXPECT_EQ(Texte(Controle(fiche, "LblCPU")), MarqueCpuid());
  PostMessageW(fiche, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.AttendreFin(10000), 0);

  EXPECT_NEAR(std::stod(vitesse), reference, 0.005 * reference) << vitesse << " against " << reference << " MHz";
}

// A host that takes the processor from the program 30 ms in every 150 while it measures, as a busy virtual
// machine's scheduler can: the pause lasts longer than asked, and the speed stays the processor's.
TEST(Mesures, UneMesureRetenueDonneLaVitesseDuProcesseur) {
  const double reference = FrequenceDeReference();
  ASSERT_GT(reference, 0) << "no frequence-tsc.txt beside the tests: run them through ctest";
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring fichier = std::wstring(temp) + L"quorvane-retenu.txt";
  DeleteFileW(fichier.c_str());
  Processus p(pilote::Copie(L"Q_retenu.exe"), SW_SHOWNORMAL, {}, L"/rapport \"" + fichier + L"\"");
  while (p.AttendreFin(120) == -1) {
    p.Suspendre(true);
    Sleep(30);
    p.Suspendre(false);
  }
  std::istringstream f(fichiers::Lire(fichier).value_or(""));
  std::string ligne, vitesse;
  while (std::getline(f, ligne))
    if (ligne.rfind("VITESSE          : ", 0) == 0) vitesse = ligne.substr(19);
  ASSERT_FALSE(vitesse.empty()) << "no report";
  EXPECT_NEAR(std::stod(vitesse), reference, 0.005 * reference) << vitesse << " against " << reference << " MHz";
}

}  // namespace
