// The processor and memory probes and SysInfo, on a scripted platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "PlateformeScriptee.h"
#include "probes/Sondes.h"

namespace {

using Journal = std::vector<std::string>;

// Remembers the values the priority calls carry and the priorities in force at each counter reading.
class PlateformeEspion : public PlateformeScriptee {
 public:
  std::vector<long> demandes;                     // SetPriorityClass and SetThreadPriority arguments, in order
  std::vector<std::pair<DWORD, int>> aLaLecture;  // class and thread priority at each Rdtsc

  BOOL SetPriorityClass(HANDLE h, DWORD classe) override {
    demandes.push_back(static_cast<long>(classe));
    return PlateformeScriptee::SetPriorityClass(h, classe);
  }
  BOOL SetThreadPriority(HANDLE h, int priorite) override {
    demandes.push_back(priorite);
    return PlateformeScriptee::SetThreadPriority(h, priorite);
  }
  uint64_t Rdtsc() override {
    aLaLecture.emplace_back(classePriorite, prioriteThread);
    return PlateformeScriptee::Rdtsc();
  }
};

// The calls of the measurement alone, in order.
Journal Mesure(const Journal& journal) {
  Journal j;
  for (const auto& appel : journal)
    if (appel != "Cpuid" && appel != "CpuidPresent") j.push_back(appel);
  return j;
}

void DefinirMarque(PlateformeScriptee& p, const char* texte, size_t taille) {
  char octets[48] = {};
  std::memcpy(octets, texte, taille);
  for (uint32_t i = 0; i < 3; ++i) std::memcpy(p.feuilles[0x80000002 + i].data(), octets + 16 * i, 16);
}

TEST(LireCPU, PrioritesLeveesPuisRemisesMemeRefusees) {
  struct Cas {
    const char* quoi;
    DWORD classe;
    int thread;
    bool refuser;
  };
  const Cas cas[] = {
      {"normal, granted", NORMAL_PRIORITY_CLASS, THREAD_PRIORITY_NORMAL, false},
      {"normal, refused", NORMAL_PRIORITY_CLASS, THREAD_PRIORITY_NORMAL, true},
      {"idle, granted", IDLE_PRIORITY_CLASS, THREAD_PRIORITY_LOWEST, false},
      {"high, refused", HIGH_PRIORITY_CLASS, THREAD_PRIORITY_ABOVE_NORMAL, true},
  };
  const Journal ordre = {"GetCurrentProcess",
                         "GetCurrentThread",
                         "GetPriorityClass",
                         "GetThreadPriority",
                         "SetPriorityClass",
                         "SetThreadPriority",
                         "SetProcessInformation",
                         "timeBeginPeriod",
                         "Sleep",
                         "Rdtsc",
                         "Sleep",
                         "Rdtsc",
                         "timeEndPeriod",
                         "SetThreadPriority",
                         "SetPriorityClass"};
  for (const Cas& c : cas) {
    PlateformeEspion p;
    p.classePriorite = c.classe;
    p.prioriteThread = c.thread;
    p.refuserPriorites = c.refuser;
    sondes::TSysInfo sysInfo(p);
    sondes::ResultatsInspection r;
    p.journal.clear();
    EXPECT_EQ(sondes::LireCPU(r, sysInfo, p, ReleveJetable()), 0);

    EXPECT_EQ(Mesure(p.journal), ordre) << c.quoi;
    const std::vector<long> demandes = {REALTIME_PRIORITY_CLASS, THREAD_PRIORITY_TIME_CRITICAL, c.thread,
                                        static_cast<long>(c.classe)};
    EXPECT_EQ(p.demandes, demandes) << c.quoi;
    EXPECT_EQ(p.classePriorite, c.classe) << c.quoi;
    EXPECT_EQ(p.prioriteThread, c.thread) << c.quoi;
    const auto enVigueur = c.refuser ? std::pair<DWORD, int>(c.classe, c.thread)
                                     : std::pair<DWORD, int>(REALTIME_PRIORITY_CLASS, THREAD_PRIORITY_TIME_CRITICAL);
    EXPECT_EQ(p.aLaLecture, (std::vector<std::pair<DWORD, int>>{enVigueur, enVigueur})) << c.quoi;
    // The timer's resolution is kept while no window is visible: version 1, control of
    // PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION (4), that state off.
    EXPECT_EQ(p.etranglement, (std::vector<std::array<ULONG, 3>>{{1, 4, 0}})) << c.quoi;
    EXPECT_EQ(r.Vitesse, 2400) << c.quoi << ": a refusal does not stop the measurement";
    EXPECT_EQ(r.NomCPU, "Scripted(R) CPU @ 2.40GHz") << c.quoi;
  }
}

// The difference of the two readings, taken modulo 2^64: the counter may wrap during the pause.
TEST(LireCPU, LeCompteurPeutRepasserParZero) {
  PlateformeScriptee p;
  p.ticksParMs = 3'000'000;
  p.tsc = ~0ull - 1000;
  sondes::TSysInfo sysInfo(p);
  sondes::ResultatsInspection r;
  sondes::LireCPU(r, sysInfo, p, ReleveJetable());
  EXPECT_EQ(r.Vitesse, 3000);
}

// The probe's side of the name: the brand leaves, the vendor of SysInfo, and leaf 0x80000000 reach the rule
// (whose own cases are the native table's).
TEST(LireCPU, LeNomVientDeLaMarqueOuDuFournisseur) {
  struct Cas {
    const char* quoi;
    std::string marque;
    std::array<uint32_t, 4> feuille0;
    std::string nom;
    uint32_t feuilleMax = 0x80000004;  // EAX of leaf 0x80000000
  };
  const Cas cas[] = {
      {"0x7F: the vendor",
       std::string("\x7F"
                   "ignored brand",
                   14),
       {0xD, 0x68747541, 0x444D4163, 0x69746E65},
       "AuthenticAMD"},
      {"brand with blanks",
       "   Intel(R) Core(TM) i7 ",
       {0xD, 0x756E6547, 0x6C65746E, 0x49656E69},
       "   Intel(R) Core(TM) i7 "},
      // A Pentium III answers 0x80000000-4 with a copy of leaf 2.
      {"no brand leaves: the vendor",
       std::string("\x01\x01\x02\x03", 4),
       {2, 0x756E6547, 0x6C65746E, 0x49656E69},
       "GenuineIntel",
       0x03020101},
  };
  for (const Cas& c : cas) {
    PlateformeScriptee p;
    DefinirMarque(p, c.marque.data(), c.marque.size());
    p.feuilles[0] = c.feuille0;
    p.feuilles[0x80000000][0] = c.feuilleMax;
    sondes::TSysInfo sysInfo(p);
    sondes::ResultatsInspection r;
    sondes::LireCPU(r, sysInfo, p, ReleveJetable());
    EXPECT_EQ(r.NomCPU, c.nom) << c.quoi;
  }
}

TEST(LireCPU, SansCPUIDLeNomEtLaVitesseViennentDuSysteme) {
  PlateformeScriptee p;
  p.cpuid = false;
  p.nomSelonOS = "Snapdragon (TM) 8cx Gen 3 @ 3.0 GHz";
  p.mhzSelonOS = 2995;
  sondes::TSysInfo sysInfo(p);
  sondes::ResultatsInspection r;
  EXPECT_EQ(sondes::LireCPU(r, sysInfo, p, ReleveJetable()), 0);
  EXPECT_EQ(r.NomCPU, "Snapdragon (TM) 8cx Gen 3 @ 3.0 GHz");
  EXPECT_EQ(r.Vitesse, 2995);
  for (const char* interdit : {"Cpuid", "Rdtsc", "SetPriorityClass"})
    EXPECT_EQ(std::count(p.journal.begin(), p.journal.end(), interdit), 0) << interdit;
}

TEST(TCPUInfo, LeFournisseurEstLuUneFoisALaCreation) {
  PlateformeScriptee p;
  sondes::TCPUInfo info(p);
  EXPECT_EQ(p.journal, (Journal{"CpuidPresent", "Cpuid"}));
  p.feuilles[0] = {0xD, 0x68747541, 0x444D4163, 0x69746E65};  // AuthenticAMD from now on
  EXPECT_EQ(info.GetString(0), "GenuineIntel");
  EXPECT_EQ(info.IDString(), "GenuineIntel");
  for (int32_t index : {1, 2, -1, 0x7FFFFFFF}) EXPECT_EQ(info.GetString(index), "") << index;
  EXPECT_EQ(p.journal.size(), 2u) << "no further read";

  PlateformeScriptee sans;
  sans.cpuid = false;
  sondes::TCPUInfo vide(sans);
  EXPECT_EQ(sans.journal, (Journal{"CpuidPresent"}));
  EXPECT_EQ(vide.GetString(0), "");
}

TEST(LireMemoire, OctetsEnMoEtGetInfoLongIntEnKo) {
  constexpr int32_t kMax = 2'147'483'647;
  struct Cas {
    uint64_t phys, virt, page;
    int32_t ram, virtuel, pageMo;
    int32_t koPhys, koVirt, koPage;
  };
  const Cas cas[] = {
      {268'435'456, 2'147'352'576, 0, 257, 2048, 1, 262'144, 2'097'024, 0},
      {3'801'341'952, 4'294'967'295, 2'147'483'648, 3626, 4096, 2049, 3'712'248, 4'194'303, 2'097'152},
      {17'179'869'184, 140'737'488'224'256, 25'769'803'776, 16385, 134'217'728, 24577, 16'777'216, kMax, 25'165'824},
  };
  for (const Cas& c : cas) {
    PlateformeScriptee p;
    p.memoire.ullTotalPhys = c.phys;
    p.memoire.ullTotalVirtual = c.virt;
    p.memoire.ullTotalPageFile = c.page;
    sondes::TSysInfo sysInfo(p);
    sondes::ResultatsInspection r;
    p.journal.clear();
    EXPECT_EQ(sondes::LireMemoire(r, sysInfo, ReleveJetable()), 0);
    EXPECT_EQ(r.TotalRAM, c.ram) << c.phys;
    EXPECT_EQ(r.TotalVirtuel, c.virtuel) << c.virt;
    EXPECT_EQ(r.TotalPage, c.pageMo) << c.page;
    EXPECT_EQ(p.journal, Journal(3, "GlobalMemoryStatusEx")) << "each amount read afresh";
    EXPECT_EQ(sysInfo.GetInfoLongInt(1), c.koPhys);
    EXPECT_EQ(sysInfo.GetInfoLongInt(3), c.koVirt);
    EXPECT_EQ(sysInfo.GetInfoLongInt(5), c.koPage);
  }
}

TEST(TSysInfo, GetInfoLongIntSuitSaTable) {
  PlateformeScriptee p;
  p.memoire.ullAvailPhys = 100ull << 20;
  p.memoire.ullAvailVirtual = 5ull << 40;  // above the KB top
  p.memoire.ullAvailPageFile = 3'000;
  p.version.dwBuildNumber = 0x0A280A28;  // 2600 in the low 16 bits
  p.metriques[SM_CXSCREEN] = 1280;
  p.metriques[SM_CYSCREEN] = 1024;
  sondes::TSysInfo sysInfo(p);
  struct Cas {
    int32_t index, valeur;
  };
  const Cas cas[] = {
      {0, 0x0A28}, {1, 512 * 1024}, {2, 100 * 1024}, {3, 2048 * 1024}, {4, 2'147'483'647}, {5, 1247 * 1024}, {6, 2},
      {10, 1280},  {11, 1024},      {13, 0},         {-1, 0},          {0x7FFFFFFF, 0},
  };
  for (const Cas& c : cas) EXPECT_EQ(sysInfo.GetInfoLongInt(c.index), c.valeur) << c.index;
  for (int32_t index : {0, 7, 13, -1}) EXPECT_EQ(sysInfo.GetInfoOctets(index), 0u) << index;
}

}  // namespace
