#include "PlateformeScriptee.h"

#include <cstdio>
#include <cstring>

#include "base/Exception.h"
#include "ui/Win.h"

namespace {
HDC const kDcFactice = reinterpret_cast<HDC>(static_cast<INT_PTR>(0x5151));
}

PlateformeScriptee::PlateformeScriptee() {
  const char marque[49] = "Scripted(R) CPU @ 2.40GHz";
  for (uint32_t i = 0; i < 3; ++i) {
    std::array<uint32_t, 4> r{};
    std::memcpy(r.data(), marque + 16 * i, 16);
    feuilles[0x80000002 + i] = r;
  }
  feuilles[0] = {0x0D, 0x756E6547, 0x6C65746E, 0x49656E69};  // "GenuineIntel" in EBX, ECX, EDX
  feuilles[0x80000000] = {0x80000004, 0, 0, 0};              // the brand leaves exist
  memoire.dwLength = sizeof memoire;
  memoire.ullTotalPhys = 512ull << 20;
  memoire.ullTotalVirtual = 2048ull << 20;
  memoire.ullTotalPageFile = 1247ull << 20;
  metriques[SM_CXSCREEN] = metriques[SM_CXVIRTUALSCREEN] = 1024;
  metriques[SM_CYSCREEN] = metriques[SM_CYVIRTUALSCREEN] = 768;
  DefinirVersion(VER_PLATFORM_WIN32_NT, 5, 1, "Service Pack 2");
}

void PlateformeScriptee::DefinirVersion(DWORD plateforme, DWORD majeure, DWORD mineure, const char* servicePack) {
  version = OSVERSIONINFOA{};
  version.dwOSVersionInfoSize = sizeof version;
  version.dwPlatformId = plateforme;
  version.dwMajorVersion = majeure;
  version.dwMinorVersion = mineure;
  std::snprintf(version.szCSDVersion, sizeof version.szCSDVersion, "%s", servicePack);
}

void PlateformeScriptee::Noter(const char* appel) {
  journal.emplace_back(appel);
  if (lancerA == appel) throw base::Exception(L"Échec scripté de " + base::DepuisUtf8(appel));
}

bool PlateformeScriptee::CpuidPresent() {
  Noter("CpuidPresent");
  return cpuid;
}

void PlateformeScriptee::Cpuid(uint32_t feuille, uint32_t r[4]) {
  Noter("Cpuid");
  const auto it = feuilles.find(feuille);
  for (int i = 0; i < 4; ++i) r[i] = it == feuilles.end() ? 0 : it->second[static_cast<size_t>(i)];
}

uint64_t PlateformeScriptee::Rdtsc() {
  Noter("Rdtsc");
  return tsc;
}

HANDLE PlateformeScriptee::GetCurrentProcess() {
  Noter("GetCurrentProcess");
  return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));
}

HANDLE PlateformeScriptee::GetCurrentThread() {
  Noter("GetCurrentThread");
  return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-2));
}

DWORD PlateformeScriptee::GetPriorityClass(HANDLE) {
  Noter("GetPriorityClass");
  return classePriorite;
}

int PlateformeScriptee::GetThreadPriority(HANDLE) {
  Noter("GetThreadPriority");
  return prioriteThread;
}

BOOL PlateformeScriptee::SetPriorityClass(HANDLE, DWORD classe) {
  Noter("SetPriorityClass");
  if (refuserPriorites) return FALSE;
  classePriorite = classe;
  return TRUE;
}

BOOL PlateformeScriptee::SetThreadPriority(HANDLE, int priorite) {
  Noter("SetThreadPriority");
  if (refuserPriorites) return FALSE;
  prioriteThread = priorite;
  return TRUE;
}

void PlateformeScriptee::Sleep(DWORD ms) {
  Noter("Sleep");
  tsc += ticksParMs * (ms + retardMs);
  qpc += qpcFrequence / 1000 * (ms + retardMs);
}

BOOL PlateformeScriptee::QueryPerformanceFrequency(LARGE_INTEGER& f) {
  Noter("QueryPerformanceFrequency");
  f.QuadPart = qpcFrequence;
  return qpcFrequence != 0;
}

BOOL PlateformeScriptee::QueryPerformanceCounter(LARGE_INTEGER& c) {
  Noter("QueryPerformanceCounter");
  c.QuadPart = qpc;
  return qpcFrequence != 0;
}

BOOL PlateformeScriptee::IsWow64Process2(HANDLE, USHORT* processus, USHORT* natif) {
  Noter("IsWow64Process2");
  if (!machines) return FALSE;
  *processus = (*machines)[0];
  *natif = (*machines)[1];
  return TRUE;
}

BOOL PlateformeScriptee::SetProcessInformation(HANDLE, PROCESS_INFORMATION_CLASS classe, void* information,
                                               DWORD taille) {
  Noter("SetProcessInformation");
  if (classe != ProcessPowerThrottling || taille != sizeof(PROCESS_POWER_THROTTLING_STATE)) return FALSE;
  const auto* etat = static_cast<const PROCESS_POWER_THROTTLING_STATE*>(information);
  etranglement.push_back({etat->Version, etat->ControlMask, etat->StateMask});
  return TRUE;
}

UINT PlateformeScriptee::timeBeginPeriod(UINT) {
  Noter("timeBeginPeriod");
  return 0;
}

UINT PlateformeScriptee::timeEndPeriod(UINT) {
  Noter("timeEndPeriod");
  return 0;
}

bool PlateformeScriptee::ProcesseurSelonOS(char nom[64], uint32_t& megahertz) {
  Noter("ProcesseurSelonOS");
  std::snprintf(nom, 64, "%s", nomSelonOS.c_str());
  megahertz = mhzSelonOS;
  return !nomSelonOS.empty() || mhzSelonOS != 0;
}

BOOL PlateformeScriptee::GlobalMemoryStatusEx(MEMORYSTATUSEX& etat) {
  Noter("GlobalMemoryStatusEx");
  etat = memoire;
  return TRUE;
}

HRESULT PlateformeScriptee::CoInitialize() {
  Noter("CoInitialize");
  return resultatCoInitialize;
}

void PlateformeScriptee::CoUninitialize() { Noter("CoUninitialize"); }

HRESULT PlateformeScriptee::CreerFournisseurDxDiag(IDxDiagProvider** p) {
  Noter("CreerFournisseurDxDiag");
  *p = nullptr;
  if (FAILED(resultatFournisseur)) return resultatFournisseur;
  if (fournisseur) fournisseur->AddRef();
  *p = fournisseur;
  return resultatFournisseur;
}

BOOL PlateformeScriptee::EnumDisplaySettingsA(DEVMODEA& mode) {
  Noter("EnumDisplaySettingsA");
  mode.dmDisplayFrequency = frequence;
  mode.dmPelsWidth = largeurMode;
  mode.dmPelsHeight = hauteurMode;
  return TRUE;
}

HDC PlateformeScriptee::CreateDCA(const char*) {
  Noter("CreateDCA");
  return kDcFactice;
}

int PlateformeScriptee::GetDeviceCaps(HDC, int index) {
  Noter("GetDeviceCaps");
  return index == PLANES ? plans : index == BITSPIXEL ? bitsParPixel : 0;
}

BOOL PlateformeScriptee::DeleteDC(HDC) {
  Noter("DeleteDC");
  return TRUE;
}

int PlateformeScriptee::GetSystemMetrics(int index) {
  Noter("GetSystemMetrics");
  const auto it = metriques.find(index);
  return it == metriques.end() ? 0 : it->second;
}

bool PlateformeScriptee::MultiEcran() {
  Noter("MultiEcran");
  return multiEcran;
}

int PlateformeScriptee::MessageBoxA(const char* texte, const char* legende, UINT options) {
  Noter("MessageBoxA");
  boites.push_back({texte, legende, options});
  return IDOK;
}

UINT PlateformeScriptee::GetSystemDirectoryA(char* tampon, UINT capacite) {
  Noter("GetSystemDirectoryA");
  if (repertoireSysteme.empty()) return 0;
  if (repertoireSysteme.size() >= capacite) return static_cast<UINT>(repertoireSysteme.size() + 1);
  std::memcpy(tampon, repertoireSysteme.c_str(), repertoireSysteme.size() + 1);
  return static_cast<UINT>(repertoireSysteme.size());
}

const std::string* PlateformeScriptee::VersionDe(const char* chemin) const {
  const auto it = versionsFichiers.find(chemin ? chemin : "");
  return it == versionsFichiers.end() ? nullptr : &it->second;
}

DWORD PlateformeScriptee::GetFileVersionInfoSizeA(const char* chemin) {
  Noter("GetFileVersionInfoSizeA");
  return VersionDe(chemin) ? sizeof(VS_FIXEDFILEINFO) : 0;
}

BOOL PlateformeScriptee::GetFileVersionInfoA(const char* chemin, DWORD taille, void* donnees) {
  Noter("GetFileVersionInfoA");
  const std::string* v = VersionDe(chemin);
  if (!v || taille < sizeof(VS_FIXEDFILEINFO)) return FALSE;
  unsigned p[4] = {};
  std::sscanf(v->c_str(), "%u.%u.%u.%u", &p[0], &p[1], &p[2], &p[3]);
  VS_FIXEDFILEINFO info{};
  info.dwSignature = VS_FFI_SIGNATURE;
  info.dwFileVersionMS = (p[0] << 16) | (p[1] & 0xFFFF);
  info.dwFileVersionLS = (p[2] << 16) | (p[3] & 0xFFFF);
  std::memcpy(donnees, &info, sizeof info);
  return TRUE;
}

BOOL PlateformeScriptee::VerQueryValueA(const void* bloc, const char* sousBloc, void** valeur, UINT* longueur) {
  Noter("VerQueryValueA");
  if (std::strcmp(sousBloc, "\\") != 0) return FALSE;
  *valeur = const_cast<void*>(bloc);
  *longueur = sizeof(VS_FIXEDFILEINFO);
  return TRUE;
}

BOOL PlateformeScriptee::GetVersionExA(OSVERSIONINFOA& v) {
  Noter("GetVersionExA");
  if (!versionLue) return FALSE;
  v = version;
  return TRUE;
}

LONG PlateformeScriptee::RtlGetVersion(OSVERSIONINFOEXW& v) {
  Noter("RtlGetVersion");
  if (statutRtl >= 0) v = vraieVersion;
  return statutRtl;
}

BOOL PlateformeScriptee::GetProductInfo(DWORD majeure, DWORD mineure, DWORD spMajeur, DWORD spMineur, DWORD* produit) {
  Noter("GetProductInfo");
  versionDemandee = {majeure, mineure, spMajeur, spMineur};
  if (!edition) return FALSE;
  *produit = *edition;
  return TRUE;
}

const char* PlateformeScriptee::wine_get_version() {
  Noter("wine_get_version");
  return wine;
}

bool PlateformeScriptee::wine_get_host_version(const char** systeme, const char** release) {
  Noter("wine_get_host_version");
  if (!wine) return false;
  *systeme = hoteSysteme;
  *release = hoteVersion;
  return true;
}
