// The facts a relevé gives: every one known as a number or a text, or empty beside the call that failed.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Couches.h"
#include "probes/ConstatsRules.h"

namespace {

using sondes::Constats;

// A fact as a row writes it: its value, or "?" and why.
template <class T>
std::string Dire(const sondes::Fait<T>& f) {
  if (!f.valeur) return "? " + f.raison;
  if constexpr (std::is_same_v<T, std::string>)
    return *f.valeur;
  else if constexpr (std::is_same_v<T, bool>)
    return *f.valeur ? "oui" : "non";
  else
    return std::to_string(*f.valeur);
}

std::string Cartes(const Constats& c) {
  std::string s = c.video.cartes.empty() ? "? " + c.video.raisonSansCarte : "";
  for (const sondes::CarteVideo& carte : c.video.cartes)
    s += (s.empty() ? "" : " | ") + Dire(carte.nom) + ", " + Dire(carte.memoireMB) + ", " + Dire(carte.acceleration3D) +
         ", " + Dire(carte.pilote);
  return s;
}

std::string Ecran(std::string_view conteneur, std::string_view nom, std::string_view memoire) {
  const std::string c = "\"DxDiag_DisplayDevices/" + std::string(conteneur) + "\" ";
  return "GetProp " + c + "\"szDescription\": 00000000 0008 \"" + std::string(nom) + "\"\nGetProp " + c +
         "\"szDisplayMemoryEnglish\": 00000000 0008 \"" + std::string(memoire) + "\"\nGetProp " + c +
         "\"b3DAccelerationExists\": 00000000 000B -1\nGetProp " + c + "\"szDriverVersion\": 00000000 0008 \"1.0\"";
}

TEST(Constats, ChaqueFaitConnuOuVideAvecSaRaison) {
  struct Cas {
    const char* quoi;
    couches::Couches couches;
    std::function<std::string(const Constats&)> fait;
    std::string attendu;
  };
  const auto processeur = [](const Constats& c) { return Dire(c.processeur.nom) + " / " + Dire(c.processeur.mhz); };
  const auto memoire = [](const Constats& c) { return Dire(c.memoire.physique) + " / " + Dire(c.memoire.pagination); };
  const auto directx = [](const Constats& c) {
    return c.directx.valeur
               ? std::to_string(c.directx.valeur->majeur) + "." + std::to_string(c.directx.valeur->mineur) +
                     c.directx.valeur->lettre + (c.directx.valeur->auMoins ? "+" : "")
               : "? " + c.directx.raison;
  };
  const auto affichage = [](const Constats& c) {
    return Dire(c.video.largeur) + " x " + Dire(c.video.hauteur) + ", " + Dire(c.video.bitsCouleur) + ", " +
           Dire(c.video.frequence);
  };
  const auto systeme = [](const Constats& c) {
    return Dire(c.systeme.nom) + " / " + Dire(c.systeme.nomReel) + " / " + Dire(c.systeme.edition) + " / " +
           Dire(c.systeme.wine);
  };
  const std::string fournisseur = R"(CoCreateInstance: 00000000
GetChildContainer "DxDiag_DisplayDevices#0": 00000000 "0")";
  const std::string deux = fournisseur + "\n" + R"(GetChildContainer "DxDiag_DisplayDevices#1": 00000000 "1"
GetChildContainer "DxDiag_DisplayDevices#2": 80070057 "")";
  // clang-format off
  const Cas cas[] = {
      {"no CPUID, no answer from Windows", {}, processeur,
       "? pas de CPUID, ProcesseurSelonOS absent / ? pas de CPUID, ProcesseurSelonOS absent"},
      {"Windows's name and speed", {R"(ProcesseurSelonOS: "Snapdragon" 2995)"}, processeur, "Snapdragon / 2995"},
      {"a counter that went back",
       {"CpuidPresent: 1", "cpuid 00000000: 00000001 756E6547 6C65746E 49656E69", "Rdtsc: 1000 999"}, processeur,
       "GenuineIntel / ? Rdtsc en arrière"},
      {"a brand byte beyond ASCII is Latin-1",
       {"CpuidPresent: 1", "cpuid 80000002: 0000E978 00000000 00000000 00000000",
        "cpuid 80000000: 80000004 00000000 00000000 00000000", "Rdtsc: 0 1200000000"}, processeur, "x\xC3\xA9 / 2400"},
      {"a failed memory query", {"GlobalMemoryStatusEx: 0 0 0 0 0 0 0"}, memoire,
       "? GlobalMemoryStatusEx 0 / ? GlobalMemoryStatusEx 0"},
      {"each quantity its own query",
       {"GlobalMemoryStatusEx: 1 536870912 0 0 0 0 0\nGlobalMemoryStatusEx: 1 0 0 0 0 0 0\n"
        "GlobalMemoryStatusEx: 0 0 0 0 0 0 0"}, memoire, "536870912 / ? GlobalMemoryStatusEx 0"},
      {"no provider", {}, Cartes, "? CoCreateInstance 80040154"},
      {"no display device", {R"(CoCreateInstance: 00000000
GetChildContainer "DxDiag_DisplayDevices#0": 80070057 "")"}, Cartes, "? EnumChildContainerNames 80070057"},
      {"one device, as every relevé before the others were asked", {fournisseur, Ecran("0", "GPU", "8072 MB")}, Cartes,
       "GPU, 8072, oui, 1.0"},
      {"every device in the provider's order, the unreadable memory empty",
       {deux, Ecran("0", "Virtual Display", "n/a"), Ecran("1", "GPU", "4096 MB")}, Cartes,
       "Virtual Display, ? szDisplayMemoryEnglish \"n/a\", oui, 1.0 | GPU, 4096, oui, 1.0"},
      {"a property not read and one of another type",
       {fournisseur, R"(GetProp "DxDiag_DisplayDevices/0" "szDescription": 80004005 0000 0
GetProp "DxDiag_DisplayDevices/0" "szDriverVersion": 00000000 0013 7)"}, Cartes,
       "? GetProp szDescription 80004005, ? GetProp szDisplayMemoryEnglish absent, "
       "? GetProp b3DAccelerationExists absent, ? GetProp szDriverVersion VARTYPE 0013"},
      {"DirectX from the provider", {fournisseur, R"(GetProp "DxDiag_SystemInfo" "dwDirectXVersionMajor": 00000000 0013 9
GetProp "DxDiag_SystemInfo" "szDirectXVersionLetter": 00000000 0008 "c")"}, directx, "9.0c"},
      {"the provider without DirectX's version", {fournisseur}, directx, "? GetProp dwDirectXVersionMajor absent"},
      {"DirectX from files: a lower bound",
       {R"(GetSystemDirectoryA: "C:\\windows\\system32")", R"(GetFileVersionInfo "d3d9.dll": 6.0.6000.0)"}, directx,
       "9.0+"},
      {"no system directory", {}, directx, "? GetSystemDirectoryA absent"},
      {"no DirectX file", {R"(GetSystemDirectoryA: "C:\\windows\\system32")"}, directx,
       "? aucun fichier de DirectX reconnu"},
      {"the display", {}, affichage, "1024 x 768, 32, 60"},
      {"no display mode, no metrics, no depth",
       {"EnumDisplaySettingsA: 0 0 0 0 0", "GetSystemMetrics: 0 0 0 0", "GetDeviceCaps: 0 0"}, affichage,
       "? GetSystemMetrics 0 x ? GetSystemMetrics 0, ? GetDeviceCaps 0, ? EnumDisplaySettingsA 0"},
      {"the hardware's default refresh rate", {"EnumDisplaySettingsA: 1 0 0 0 32"}, affichage,
       "1024 x 768, 32, ? EnumDisplaySettingsA: fréquence 0"},
      {"XP on XP", {}, systeme,
       "Windows XP / Windows XP (build 2600) / ? GetProductInfo absent / ? wine_get_version absent"},
      {"a system that is none of the game's, under Wine",
       {R"(GetVersionExA: 1 10 0 19045 2 "")", R"(RtlGetVersion: 10 0 19045 2 1 "")", "GetProductInfo: 0 00000000",
        R"(wine_get_version: "8.0")"}, systeme,
       "? GetVersionExA 10.0 plateforme 2 : pas un système du jeu / Windows 10 (build 19045) / ? GetProductInfo 0 / 8.0"},
      {"a failed version query", {R"(GetVersionExA: 0 0 0 0 0 "")"}, systeme,
       "? GetVersionExA 0.0 plateforme 0 : pas un système du jeu / ? RtlGetVersion absent, GetVersionExA 0 / "
       "? GetProductInfo absent / ? wine_get_version absent"},
  };
  // clang-format on
  for (const Cas& c : cas) EXPECT_EQ(c.fait(sondes::Constater(couches::Releve(c.couches))), c.attendu) << c.quoi;
}

}  // namespace
