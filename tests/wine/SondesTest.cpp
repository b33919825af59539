// The probes' collection on a scripted platform and a scripted diagnostic provider: the calls each family
// makes, and every answer landing in the relevé. What the answers mean is the native ExamenRulesTest's.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FauxDxDiag.h"
#include "PlateformeScriptee.h"
#include "base/Exception.h"
#include "probes/DxFiles.h"
#include "probes/DxFilesRules.h"
#include "probes/ReleveChampsRules.h"
#include "probes/Sondes.h"

namespace {

using Journal = std::vector<std::string>;
using Microsoft::WRL::ComPtr;

// Remembers the values the priority calls carry and the priorities in force at each counter reading.
class PlateformeEspion : public PlateformeScriptee {
 public:
  std::vector<long> demandes;                     // SetPriorityClass and SetThreadPriority arguments, in order
  std::vector<std::pair<DWORD, int>> aLaLecture;  // class and thread priority at each Rdtsc
  int reculs = 0;  // that many pauses end on a time-stamp counter restarted at 0, as after a resume

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
    if (aLaLecture.size() % 2 == 0 && reculs > 0) --reculs, tsc = 0;
    return PlateformeScriptee::Rdtsc();
  }
};

// The clock's procedure is its order: the counters are read at the raised priority, with the fine timer,
// each performance-counter reading next to its tick reading, around the 500 ms pause.
TEST(LireCPU, LaMesureSuitSaProcedureMemeRefuseeEtVaAuReleve) {
  // clang-format off
  const Journal kAppels = {
      "CpuidPresent", "Cpuid", "Cpuid", "Cpuid", "Cpuid",
      "GetCurrentProcess", "GetCurrentThread", "GetPriorityClass", "GetThreadPriority",
      "SetPriorityClass", "SetThreadPriority",
      "SetProcessInformation", "timeBeginPeriod", "QueryPerformanceFrequency"};
  const Journal kPause = {"Sleep", "Rdtsc", "QueryPerformanceCounter", "Sleep", "QueryPerformanceCounter", "Rdtsc"};
  const Journal kFin = {"timeEndPeriod", "SetThreadPriority", "SetPriorityClass", "GetCurrentProcess",
                        "IsWow64Process2"};
  // clang-format on
  struct Cas {
    const char* quoi;
    DWORD classe;
    int thread;
    bool refuser;
    std::optional<std::array<USHORT, 2>> machines;
    const char* nom;
    int32_t mhz;
    int reculs = 0, essais = 1;  // then the last try's readings
    std::array<uint64_t, 2> rdtsc = {25'000'000, 1'225'000'000};
    std::array<int64_t, 2> qpc = {223'456, 5'223'456};
  };
  const Cas cas[] = {
      {"normal, granted", NORMAL_PRIORITY_CLASS, THREAD_PRIORITY_NORMAL, false, {}, "Scripted(R) CPU @ 2.40GHz", 2400},
      {"normal, refused", NORMAL_PRIORITY_CLASS, THREAD_PRIORITY_NORMAL, true, {}, "Scripted(R) CPU @ 2.40GHz", 2400},
      {"idle, granted", IDLE_PRIORITY_CLASS, THREAD_PRIORITY_LOWEST, false, {}, "Scripted(R) CPU @ 2.40GHz", 2400},
      {"high, refused", HIGH_PRIORITY_CLASS, THREAD_PRIORITY_ABOVE_NORMAL, true, {}, "Scripted(R) CPU @ 2.40GHz", 2400},
      // x64 emulated on ARM64: the OS's name and speed are read after the CPUID leaves and the pause, and taken.
      {"emulated on ARM64", NORMAL_PRIORITY_CLASS, THREAD_PRIORITY_NORMAL, false, {{0, 0xAA64}}, "Snapdragon X", 3417},

      // Each try starts 10 ms after the last one ended; the third is the last and is kept, unusable as it is.
      {"the counter restarts in every pause: three tries",
       NORMAL_PRIORITY_CLASS,
       THREAD_PRIORITY_NORMAL,
       false,
       {},
       "Scripted(R) CPU @ 2.40GHz",
       0,
       5,
       3,
       {24'000'000, 0},
       {10'423'456, 15'423'456}},
      {"the counter restarts once: measured again",
       NORMAL_PRIORITY_CLASS,
       THREAD_PRIORITY_NORMAL,
       false,
       {},
       "Scripted(R) CPU @ 2.40GHz",
       2400,
       1,
       2,
       {24'000'000, 1'224'000'000},
       {5'323'456, 10'323'456}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    PlateformeEspion p;
    p.classePriorite = c.classe;
    p.prioriteThread = c.thread;
    p.refuserPriorites = c.refuser;
    p.machines = c.machines;
    p.nomSelonOS = "Snapdragon X";
    p.mhzSelonOS = 3417;
    p.reculs = c.reculs;
    sondes::TSysInfo sysInfo(p);
    sondes::ResultatsInspection r;
    sondes::Releve releve;
    p.journal.clear();
    EXPECT_EQ(sondes::LireCPU(r, sysInfo, p, releve), 0);

    Journal appels = kAppels;
    for (int i = 0; i < c.essais; ++i) appels.insert(appels.end(), kPause.begin(), kPause.end());
    appels.insert(appels.end(), kFin.begin(), kFin.end());
    if (c.machines) appels.push_back("ProcesseurSelonOS");
    EXPECT_EQ(p.journal, appels);
    const std::vector<long> demandes = {REALTIME_PRIORITY_CLASS, THREAD_PRIORITY_TIME_CRITICAL, c.thread,
                                        static_cast<long>(c.classe)};
    EXPECT_EQ(p.demandes, demandes);
    EXPECT_EQ(p.classePriorite, c.classe);
    EXPECT_EQ(p.prioriteThread, c.thread);
    const auto enVigueur = c.refuser ? std::pair<DWORD, int>(c.classe, c.thread)
                                     : std::pair<DWORD, int>(REALTIME_PRIORITY_CLASS, THREAD_PRIORITY_TIME_CRITICAL);
    EXPECT_EQ(p.aLaLecture, (std::vector<std::pair<DWORD, int>>(2 * static_cast<size_t>(c.essais), enVigueur)));
    // The timer's resolution is kept while no window is visible: version 1, control of
    // PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION (4), that state off.
    EXPECT_EQ(p.etranglement, (std::vector<std::array<ULONG, 3>>{{1, 4, 0}}));

    EXPECT_TRUE(releve.cpuidPresent);
    const std::vector<sondes::FeuilleCpuid> feuilles = {{0, p.feuilles[0]},
                                                        {0x80000000, p.feuilles[0x80000000]},
                                                        {0x80000002, p.feuilles[0x80000002]},
                                                        {0x80000003, p.feuilles[0x80000003]},
                                                        {0x80000004, p.feuilles[0x80000004]}};
    EXPECT_EQ(releve.cpuid, feuilles);
    // Read after 10 ms, then after 500 ms more, at 2.4 million ticks and 10,000 counts a millisecond.
    EXPECT_EQ(releve.rdtsc, c.rdtsc);
    EXPECT_EQ(releve.qpcFrequence, 10'000'000u);
    EXPECT_EQ(releve.qpc, c.qpc);
    EXPECT_EQ(releve.machines, c.machines);
    EXPECT_EQ(releve.processeurSelonOS.has_value(), c.machines.has_value());
    EXPECT_EQ(r.NomCPU, c.nom) << "the findings are those of the relevé gathered";
    EXPECT_EQ(r.Vitesse, c.mhz) << "a refusal does not stop the measurement";
  }
}

TEST(LireCPU, SansCPUIDSeulLeSystemeEstInterroge) {
  PlateformeScriptee p;
  p.cpuid = false;
  p.nomSelonOS = "Snapdragon (TM) 8cx Gen 3 @ 3.0 GHz";
  p.mhzSelonOS = 2995;
  sondes::TSysInfo sysInfo(p);
  sondes::ResultatsInspection r;
  sondes::Releve releve;
  p.journal.clear();
  EXPECT_EQ(sondes::LireCPU(r, sysInfo, p, releve), 0);
  EXPECT_EQ(p.journal, (Journal{"CpuidPresent", "ProcesseurSelonOS", "GetCurrentProcess", "IsWow64Process2"}));
  EXPECT_FALSE(releve.cpuidPresent);
  EXPECT_TRUE(releve.cpuid.empty());
  EXPECT_FALSE(releve.rdtsc);
  EXPECT_EQ(releve.processeurSelonOS, (std::pair<std::string, uint32_t>{"Snapdragon (TM) 8cx Gen 3 @ 3.0 GHz", 2995}));
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

TEST(LireMemoire, ChaqueQuantiteEstLueDeNouveauEtVaAuReleve) {
  PlateformeScriptee p;
  p.memoire.ullTotalPhys = 17'179'869'184;
  p.memoire.ullAvailPhys = 1;
  p.memoire.ullTotalVirtual = 140'737'488'224'256;
  p.memoire.ullAvailVirtual = 2;
  p.memoire.ullTotalPageFile = 25'769'803'776;
  p.memoire.ullAvailPageFile = 3;
  sondes::TSysInfo sysInfo(p);
  sondes::ResultatsInspection r;
  sondes::Releve releve;
  p.journal.clear();
  EXPECT_EQ(sondes::LireMemoire(r, sysInfo, releve), 0);
  EXPECT_EQ(p.journal, Journal(3, "GlobalMemoryStatusEx"));
  const sondes::EtatMemoire etat{true, 17'179'869'184, 1, 140'737'488'224'256, 2, 25'769'803'776, 3};
  EXPECT_EQ(releve.memoire, std::vector<sondes::EtatMemoire>(3, etat));
  EXPECT_EQ(r.TotalRAM, 16385) << "the findings are those of the relevé gathered";
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

// The video probe's platform, which also keeps the paths of the file versions asked for, fills the whole
// buffer, unterminated, when the system directory does not fit, and counts the interfaces held when COM goes.
struct PlateformeVideo : PlateformeScriptee {
  std::vector<std::string> chemins;
  long tenuesALaFinDeCom = -1;
  void CoUninitialize() override {
    PlateformeScriptee::CoUninitialize();
    tenuesALaFinDeCom = gReferencesNettes;
  }
  UINT GetSystemDirectoryA(char* tampon, UINT capacite) override {
    PlateformeScriptee::GetSystemDirectoryA(tampon, capacite);
    const size_t n = std::min<size_t>(repertoireSysteme.size(), capacite);
    std::copy_n(repertoireSysteme.begin(), n, tampon);
    return static_cast<UINT>(repertoireSysteme.size());
  }
  DWORD GetFileVersionInfoSizeA(const char* chemin) override {
    chemins.emplace_back(chemin);
    return PlateformeScriptee::GetFileVersionInfoSizeA(chemin);
  }
};

// A provider as a real one answers: one display device and the system information.
struct Carte {
  Carte() {
    fournisseur.Attach(new FauxFournisseur);
    fournisseur->racine.Attach(new FauxConteneur);
    ecrans = fournisseur->racine->Ajouter(L"DxDiag_DisplayDevices");
    ecran = ecrans->Ajouter(L"0");
    ecran->Texte(L"szDescription", L"Scripted GPU");
    ecran->Texte(L"szDisplayMemoryEnglish", L"8072 MB");
    ecran->Booleen(L"b3DAccelerationExists", VARIANT_TRUE);
    ecran->Texte(L"szDriverVersion", L"31.0.15.1659");
    systeme = fournisseur->racine->Ajouter(L"DxDiag_SystemInfo");
    systeme->Entier(L"dwDirectXVersionMajor", 9);
    systeme->Entier(L"dwDirectXVersionMinor", 0);
    systeme->Texte(L"szDirectXVersionLetter", L"c");
    plateforme.resultatFournisseur = S_OK;
    plateforme.fournisseur = fournisseur.Get();
    r.MarqueVideo = r.VerDrv = "Inconnue";  // as the inspection run sets them before the probes
  }

  sondes::Releve Lire() {
    sondes::TSysInfo sysInfo(plateforme);
    plateforme.journal.clear();
    gReferencesNettes = 0;
    sondes::Releve releve;
    EXPECT_EQ(sondes::LireCarteVideo(r, sysInfo, plateforme, releve), 0);
    EXPECT_EQ(gReferencesNettes, 0) << "every interface and the value holder are released";
    return releve;
  }
  size_t Position(const char* appel) const {
    return static_cast<size_t>(std::find(plateforme.journal.begin(), plateforme.journal.end(), appel) -
                               plateforme.journal.begin());
  }

  PlateformeVideo plateforme;
  ComPtr<FauxFournisseur> fournisseur;
  FauxConteneur *ecrans = nullptr, *ecran = nullptr, *systeme = nullptr;
  sondes::ResultatsInspection r;
};

VARIANT Variante(VARTYPE type) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = type;
  return v;
}

TEST(LireCarteVideo, LesReponsesDuFournisseurVontAuReleveAvecLeurType) {
  ComPtr<FauxInconnu> objet;
  objet.Attach(new FauxInconnu);
  using C = sondes::ConteneurDx;
  using P = sondes::ProprieteDx;
  const std::string e = "DxDiag_DisplayDevices/0", s = "DxDiag_SystemInfo", x255(255, 'x');
  // clang-format off
  const C kFin = {"DxDiag_DisplayDevices#1", E_INVALIDARG, ""};  // the list of display devices ends
  const std::vector<C> kConteneurs = {{"", 0, ""}, {"DxDiag_DisplayDevices", 0, ""},
                                      {"DxDiag_DisplayDevices#0", 0, "0"}, {e, 0, ""}, kFin, {"", 0, ""}, {s, 0, ""}};
  const std::vector<P> kSysteme = {{s, "dwDirectXVersionMajor", 0, VT_UI4, "", 9},
                                   {s, "dwDirectXVersionMinor", 0, VT_UI4, "", 0},
                                   {s, "szDirectXVersionLetter", 0, VT_BSTR, "c", 0}};
  // clang-format on
  struct Cas {
    const char* quoi;
    std::function<void(Carte&)> abimer;
    std::vector<C> conteneurs;
    std::vector<P> proprietes;
    const char* marque;
  };
  // clang-format off
  const Cas cas[] = {
      {"as a real one answers", [](Carte&) {}, kConteneurs,
       {{e, "szDescription", 0, VT_BSTR, "Scripted GPU", 0}, {e, "szDisplayMemoryEnglish", 0, VT_BSTR, "8072 MB", 0},
        {e, "b3DAccelerationExists", 0, VT_BOOL, "", -1}, {e, "szDriverVersion", 0, VT_BSTR, "31.0.15.1659", 0},
        kSysteme[0], kSysteme[1], kSysteme[2]},
       "Scripted GPU"},
      // A silent property is asked with a fresh holder: the text before it does not come back as its value.
      {"answers of other kinds",
       [&objet](Carte& t) {
         t.ecran->Texte(L"szDescription", nullptr);
         t.ecran->muette = L"b3DAccelerationExists";
         VARIANT reel = Variante(VT_R8);
         V_R8(&reel) = 64.0;
         t.ecran->Autre(L"szDriverVersion", reel);
         VARIANT signe = Variante(VT_I4);
         V_I4(&signe) = 9;
         t.systeme->Autre(L"dwDirectXVersionMajor", signe);
         VARIANT court = Variante(VT_I2);
         V_I2(&court) = -1;
         t.systeme->Autre(L"dwDirectXVersionMinor", court);
         VARIANT inconnu = Variante(VT_UNKNOWN);
         V_UNKNOWN(&inconnu) = objet.Get();  // copied with AddRef: the probe must release its copy
         t.systeme->Autre(L"szDirectXVersionLetter", inconnu);
       },
       kConteneurs,
       {{e, "szDescription", 0, VT_BSTR, "", 0}, {e, "szDisplayMemoryEnglish", 0, VT_BSTR, "8072 MB", 0},
        {e, "b3DAccelerationExists", 0, VT_EMPTY, "", 0}, {e, "szDriverVersion", 0, VT_R8, "", 0},
        {s, "dwDirectXVersionMajor", 0, VT_I4, "", 9}, {s, "dwDirectXVersionMinor", 0, VT_I2, "", -1},
        {s, "szDirectXVersionLetter", 0, VT_UNKNOWN, "", 0}},
       ""},
      {"the display devices cannot be listed", [](Carte& t) { t.ecrans->resultatNoms = E_FAIL; },
       {{"", 0, ""}, {"DxDiag_DisplayDevices", 0, ""}, {"DxDiag_DisplayDevices#0", E_FAIL, ""}, {"", 0, ""},
        {s, 0, ""}},
       kSysteme, "Inconnue"},
      {"a name that fills the buffer, unterminated", [](Carte& t) { t.ecrans->nomForce.assign(300, L'x'); },
       {{"", 0, ""}, {"DxDiag_DisplayDevices", 0, ""}, {"DxDiag_DisplayDevices#0", 0, x255},
        {"DxDiag_DisplayDevices/" + x255, E_INVALIDARG, ""}, kFin, {"", 0, ""}, {s, 0, ""}},
       kSysteme, "Inconnue"},
      {"a second display device: both are read, the first is shown",
       [](Carte& t) {
         FauxConteneur* autre = t.ecrans->Ajouter(L"1");
         autre->Texte(L"szDescription", L"Virtual Display");
         autre->Texte(L"szDisplayMemoryEnglish", L"n/a");
         autre->Booleen(L"b3DAccelerationExists", VARIANT_FALSE);
         autre->Texte(L"szDriverVersion", L"1.0");
       },
       {{"", 0, ""}, {"DxDiag_DisplayDevices", 0, ""}, {"DxDiag_DisplayDevices#0", 0, "0"}, {e, 0, ""},
        {"DxDiag_DisplayDevices#1", 0, "1"}, {"DxDiag_DisplayDevices/1", 0, ""},
        {"DxDiag_DisplayDevices#2", E_INVALIDARG, ""}, {"", 0, ""}, {s, 0, ""}},
       {{e, "szDescription", 0, VT_BSTR, "Scripted GPU", 0}, {e, "szDisplayMemoryEnglish", 0, VT_BSTR, "8072 MB", 0},
        {e, "b3DAccelerationExists", 0, VT_BOOL, "", -1}, {e, "szDriverVersion", 0, VT_BSTR, "31.0.15.1659", 0},
        {"DxDiag_DisplayDevices/1", "szDescription", 0, VT_BSTR, "Virtual Display", 0},
        {"DxDiag_DisplayDevices/1", "szDisplayMemoryEnglish", 0, VT_BSTR, "n/a", 0},
        {"DxDiag_DisplayDevices/1", "b3DAccelerationExists", 0, VT_BOOL, "", 0},
        {"DxDiag_DisplayDevices/1", "szDriverVersion", 0, VT_BSTR, "1.0", 0}, kSysteme[0], kSysteme[1], kSysteme[2]},
       "Scripted GPU"},
      {"no root container", [](Carte& t) { t.fournisseur->racine.Reset(); }, {{"", E_FAIL, ""}, {"", E_FAIL, ""}}, {},
       "Inconnue"},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    Carte t;
    c.abimer(t);
    const sondes::Releve releve = t.Lire();
    EXPECT_EQ(releve.creationFournisseur, 0);
    EXPECT_EQ(releve.conteneurs, c.conteneurs);
    EXPECT_EQ(releve.proprietes, c.proprietes);
    EXPECT_EQ(t.r.MarqueVideo, c.marque) << "the findings are those of the relevé gathered";
    EXPECT_TRUE(t.plateforme.boites.empty());
    EXPECT_EQ(t.plateforme.journal, (Journal{"CoInitialize", "CreerFournisseurDxDiag", "CoUninitialize",
                                             "EnumDisplaySettingsA", "CreateDCA", "GetDeviceCaps", "GetDeviceCaps",
                                             "DeleteDC", "MultiEcran", "GetSystemMetrics", "GetSystemMetrics"}));
    EXPECT_EQ(t.fournisseur->initialisations, 1);
    EXPECT_EQ(t.fournisseur->recu.dwSize, sizeof(DXDIAG_INIT_PARAMS));
    EXPECT_EQ(t.fournisseur->recu.dwDxDiagHeaderVersion, 111u);
    EXPECT_EQ(t.fournisseur->recu.bAllowWHQLChecks, TRUE);
    EXPECT_EQ(t.fournisseur->recu.pReserved, nullptr);
  }
  // Only the unterminated name's first 255 characters are asked for.
  Carte t;
  t.ecrans->nomForce.assign(300, L'x');
  t.Lire();
  EXPECT_EQ(t.ecrans->demandes, std::vector<std::wstring>{std::wstring(255, L'x')});
}

TEST(LireCarteVideo, LeModeEtLesMetriquesVontAuReleve) {
  struct Cas {
    const char* quoi;
    bool multiEcran;
    DWORD largeur, hauteur;
    std::array<int32_t, 4> metriques;  // SM_CXSCREEN, SM_CYSCREEN, SM_CXVIRTUALSCREEN, SM_CYVIRTUALSCREEN
  };
  const Cas cas[] = {
      {"several monitors, no display mode", true, 0, 0, {0, 0, 3072, 1728}},
      {"no support for several monitors", false, 0, 0, {1536, 864, 0, 0}},
      {"a display mode: the primary screen too", true, 1920, 1080, {1536, 864, 3072, 1728}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    Carte t;
    t.plateforme.multiEcran = c.multiEcran;
    t.plateforme.largeurMode = c.largeur;
    t.plateforme.hauteurMode = c.hauteur;
    t.plateforme.frequence = 75;
    t.plateforme.plans = 4;
    t.plateforme.bitsParPixel = 1;
    t.plateforme.metriques = {
        {SM_CXSCREEN, 1536}, {SM_CYSCREEN, 864}, {SM_CXVIRTUALSCREEN, 3072}, {SM_CYVIRTUALSCREEN, 1728}};
    const sondes::Releve releve = t.Lire();
    EXPECT_TRUE(releve.modeLu);
    EXPECT_EQ(releve.pelsWidth, c.largeur);
    EXPECT_EQ(releve.pelsHeight, c.hauteur);
    EXPECT_EQ(releve.displayFrequency, 75u);
    EXPECT_EQ(releve.planes, 4);
    EXPECT_EQ(releve.bitsPixel, 1);
    EXPECT_EQ(releve.multiEcran, c.multiEcran);
    EXPECT_EQ(
        (std::array<int32_t, 4>{releve.cxScreen, releve.cyScreen, releve.cxVirtualScreen, releve.cyVirtualScreen}),
        c.metriques);
  }
}

// Without the provider: the system directory, cut to 259 characters, and the DirectX files' versions in the
// table's order, then the warning, before the display.
TEST(LireCarteVideo, SansFournisseurLAvertissementEtLesVersionsVontAuReleve) {
  const std::string kSysteme = "C:\\windows\\system32", kLong = "C:\\" + std::string(256, 'd');
  const char* const kOnze[] = {"ddraw.dll", "d3drg8x.dll", "ddraw.dll",   "dplayx.dll", "ddraw.dll", "dinput.dll",
                               "ddraw.dll", "d3d8.dll",    "mpg2splt.ax", "dpnet.dll",  "d3d9.dll"};
  struct Cas {
    const char* quoi;
    HRESULT creation;
    std::string repertoire;
    std::map<std::string, std::string> fichiers;
    int32_t cree;
    std::optional<std::string> lu;
  };
  // clang-format off
  const Cas cas[] = {
      {"the provider is not registered", REGDB_E_CLASSNOTREG, kSysteme,
       {{"d3d8.dll", "5.1.2600.901"}, {"ddraw.dll", "5.1.2258.400"}}, REGDB_E_CLASSNOTREG, kSysteme},
      {"created without an interface", S_OK, kSysteme, {}, E_POINTER, kSysteme},
      {"no system directory", REGDB_E_CLASSNOTREG, "", {}, REGDB_E_CLASSNOTREG, std::nullopt},
      {"a directory of 259 characters", REGDB_E_CLASSNOTREG, kLong, {{"mpg2splt.ax", "6.3.1.885"}},
       REGDB_E_CLASSNOTREG, kLong},
      {"one of 300", REGDB_E_CLASSNOTREG, kLong + std::string(41, 'd'), {{"mpg2splt.ax", "6.3.1.885"}},
       REGDB_E_CLASSNOTREG, kLong},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    Carte t;
    t.plateforme.resultatFournisseur = c.creation;
    t.plateforme.fournisseur = nullptr;
    t.plateforme.repertoireSysteme = c.repertoire;
    for (const auto& [nom, version] : c.fichiers)
      t.plateforme.versionsFichiers[c.lu.value_or("") + "\\" + nom] = version;
    const sondes::Releve releve = t.Lire();
    ASSERT_EQ(t.plateforme.boites.size(), 1u);
    EXPECT_EQ(t.plateforme.boites[0].texte, "Impossible de lire les infos de votre carte graphique.");
    EXPECT_EQ(t.plateforme.boites[0].legende, "Attention !");
    EXPECT_EQ(t.plateforme.boites[0].options, 48u);
    EXPECT_LT(t.Position("GetSystemDirectoryA"), t.Position("MessageBoxA"));
    EXPECT_LT(t.Position("MessageBoxA"), t.Position("EnumDisplaySettingsA"));
    EXPECT_EQ(releve.creationFournisseur, c.cree);
    EXPECT_EQ(releve.repertoireSysteme, c.lu);
    std::vector<std::string> chemins, versions;
    for (const char* nom : kOnze) {
      if (!c.lu) break;
      chemins.push_back(*c.lu + "\\" + nom);
      versions.push_back(nom + (" " + (c.fichiers.count(nom) ? c.fichiers.at(nom) : "aucune")));
    }
    EXPECT_EQ(t.plateforme.chemins, chemins);
    std::vector<std::string> lues;
    for (const sondes::VersionFichierDx& f : releve.fichiersDx)
      lues.push_back(f.fichier + " " + sondes::releve::Version(f.version));
    EXPECT_EQ(lues, versions);
  }
}

// Each successful initialisation of COM, S_FALSE (already initialised) included, is balanced once the provider
// is released; a failed one (the thread in another apartment model) is not.
TEST(LireCarteVideo, ComEstRenduApresLeFournisseur) {
  struct Cas {
    HRESULT initialisation, creation;
    long fins;  // CoUninitialize calls
  };
  const Cas cas[] = {
      {S_OK, S_OK, 1},
      {S_FALSE, S_OK, 1},
      {RPC_E_CHANGED_MODE, S_OK, 0},
      {S_OK, REGDB_E_CLASSNOTREG, 1},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << std::hex << c.initialisation << " " << c.creation);
    Carte t;
    t.plateforme.resultatCoInitialize = c.initialisation;
    t.plateforme.resultatFournisseur = c.creation;
    t.Lire();
    EXPECT_EQ(std::count(t.plateforme.journal.begin(), t.plateforme.journal.end(), "CoUninitialize"), c.fins);
    if (c.fins) {
      EXPECT_EQ(t.plateforme.tenuesALaFinDeCom, 0) << "no interface of the provider held";
    }
  }
}

// Version-resource reads that fail at each step.
struct VersionsRatees : PlateformeScriptee {
  DWORD taille = sizeof(VS_FIXEDFILEINFO);
  bool lectureRatee = false, requeteRatee = false, sansEnregistrement = false;
  UINT longueur = sizeof(VS_FIXEDFILEINFO);
  DWORD GetFileVersionInfoSizeA(const char* chemin) override {
    return PlateformeScriptee::GetFileVersionInfoSizeA(chemin) ? taille : 0;
  }
  BOOL GetFileVersionInfoA(const char* chemin, DWORD t, void* donnees) override {
    return !lectureRatee && PlateformeScriptee::GetFileVersionInfoA(chemin, t, donnees);
  }
  BOOL VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* l) override {
    if (requeteRatee || !PlateformeScriptee::VerQueryValueA(bloc, sousBloc, valeur, l)) return FALSE;
    if (sansEnregistrement) *valeur = nullptr;
    *l = longueur;
    return TRUE;
  }
};

TEST(LireVersionFichier, ResultatsSelonLEtapeQuiEchoue) {
  const char* const chemin = "C:\\windows\\system32\\ddraw.dll";
  struct Cas {
    const char* quoi;
    void (*regler)(VersionsRatees&);
    HRESULT attendu;
  };
  const Cas cas[] = {
      {"read", [](VersionsRatees&) {}, S_OK},
      {"no resource", [](VersionsRatees& p) { p.taille = 0; }, E_FAIL},
      {"the resource cannot be read", [](VersionsRatees& p) { p.lectureRatee = true; }, E_FAIL},
      {"no root block", [](VersionsRatees& p) { p.requeteRatee = true; }, E_FAIL},
      {"no record", [](VersionsRatees& p) { p.sansEnregistrement = true; }, E_FAIL},
      {"a record too short", [](VersionsRatees& p) { p.longueur = 8; }, E_FAIL},
  };
  for (const Cas& c : cas) {
    VersionsRatees plateforme;
    plateforme.versionsFichiers[chemin] = "4.2.0.95";
    c.regler(plateforme);
    uint64_t version = 77;
    EXPECT_EQ(sondes::LireVersionFichier(plateforme, chemin, &version), c.attendu) << c.quoi;
    EXPECT_EQ(version, c.attendu == S_OK ? sondes::FaireVersion(4, 2, 0, 95) : 77u) << c.quoi;
  }
  PlateformeScriptee plateforme;
  uint64_t version = 0;
  EXPECT_EQ(sondes::LireVersionFichier(plateforme, nullptr, &version), E_INVALIDARG);
  EXPECT_EQ(sondes::LireVersionFichier(plateforme, chemin, nullptr), E_INVALIDARG);
  EXPECT_TRUE(plateforme.journal.empty());
}

// The device context's two counts reach the rule (whose cases are the native table's), and the context goes on
// every way out.
TEST(GetColorDepth, LeContexteEstToujoursDetruit) {
  PlateformeScriptee plateforme;
  plateforme.plans = 4;
  plateforme.bitsParPixel = 1;
  sondes::TSysInfo sysInfo(plateforme);
  plateforme.journal.clear();
  EXPECT_EQ(sysInfo.GetColorDepth(), 4);
  EXPECT_EQ(plateforme.journal, (Journal{"CreateDCA", "GetDeviceCaps", "GetDeviceCaps", "DeleteDC"}));
  plateforme.lancerA = "GetDeviceCaps";
  EXPECT_THROW(sysInfo.GetColorDepth(), base::Exception);
  EXPECT_EQ(plateforme.journal.back(), "DeleteDC");
}

TEST(LireOS, LesReponsesDuSystemeVontAuReleve) {
  using V = sondes::VersionSysteme;
  struct Cas {
    const char* quoi;
    std::function<void(PlateformeScriptee&)> regler;
    V versionEx;
    std::optional<V> vraie;
    std::optional<std::string> wine;
    std::optional<std::array<std::string, 2>> hote;
    std::optional<std::pair<bool, uint32_t>> produit = {};
    std::array<DWORD, 4> demandee = {};  // the version GetProductInfo was asked about
  };
  const Cas cas[] = {
      {"Windows XP",
       [](PlateformeScriptee& p) {
         p.DefinirVersion(VER_PLATFORM_WIN32_NT, 5, 1, "Service Pack 3");
         p.version.dwBuildNumber = 2600;
       },
       {true, 5, 1, 2600, 2, "Service Pack 3", 0},
       {},
       {},
       {}},
      {"a refused query", [](PlateformeScriptee& p) { p.versionLue = FALSE; }, {}, {}, {}, {}},
      {"Windows 10 under Wine",
       [](PlateformeScriptee& p) {
         p.DefinirVersion(VER_PLATFORM_WIN32_NT, 6, 2, "");
         p.version.dwBuildNumber = 9200;
         p.statutRtl = 0;
         p.vraieVersion = {sizeof p.vraieVersion, 10, 0, 19045, VER_PLATFORM_WIN32_NT, L"Service Pack 1", 1, 0, 0,
                           VER_NT_WORKSTATION,    0};
         p.wine = "8.0";
         p.hoteSysteme = "Linux";
         p.hoteVersion = "6.1.0";
       },
       {true, 6, 2, 9200, 2, "", 0},
       V{true, 10, 0, 19045, 2, "Service Pack 1", 1},
       "8.0",
       std::array<std::string, 2>{"Linux", "6.1.0"},
       std::pair<bool, uint32_t>{false, 0},
       {10, 0, 1, 0}},
      {"Windows 10 Enterprise multi-session: a server by its type, a client by its edition",
       [](PlateformeScriptee& p) {
         p.statutRtl = 0;
         p.vraieVersion = {sizeof p.vraieVersion, 10, 0, 19045, VER_PLATFORM_WIN32_NT, L"", 0, 0, 0, VER_NT_SERVER, 0};
         p.versionLue = FALSE;  // only the true version matters here
         p.edition = 0xAF;
       },
       {},
       V{true, 10, 0, 19045, 2, "", 3},
       {},
       {},
       std::pair<bool, uint32_t>{true, 0xAF},
       {10, 0, 0, 0}},
      {"Windows 7 with service pack 1",
       [](PlateformeScriptee& p) {
         p.statutRtl = 0;
         p.vraieVersion = {sizeof p.vraieVersion, 6, 1, 7601, VER_PLATFORM_WIN32_NT, L"Service Pack 1", 1, 0, 0,
                           VER_NT_WORKSTATION,    0};
         p.versionLue = FALSE;
         p.edition = 0x30;  // PRODUCT_PROFESSIONAL
       },
       {},
       V{true, 6, 1, 7601, 2, "Service Pack 1", 1},
       {},
       {},
       std::pair<bool, uint32_t>{true, 0x30},
       {6, 1, 1, 0}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    PlateformeScriptee p;
    c.regler(p);
    sondes::ResultatsInspection r;
    sondes::Releve releve;
    EXPECT_EQ(sondes::LireOS(r, p, releve), 0);
    EXPECT_EQ(releve.versionEx, c.versionEx);
    EXPECT_EQ(releve.vraieVersion, c.vraie);
    EXPECT_EQ(releve.wine, c.wine);
    EXPECT_EQ(releve.hoteWine, c.hote);
    EXPECT_EQ(releve.produit, c.produit);
    EXPECT_EQ(p.versionDemandee, c.demandee);
  }
}

}  // namespace
