#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "probes/ReleveRules.h"

namespace {

using namespace std::string_literals;
using sondes::LireReleve;
using sondes::Releve;

// The text with each LF made CR LF.
std::string Crlf(const std::string& texte) {
  std::string crlf;
  for (char c : texte) crlf += c == '\n' ? "\r\n" : std::string(1, c);
  return crlf;
}

// Every answer present, the texts with every kind of byte the quoting treats apart.
Releve Complet() {
  Releve r;
  r.cpuidPresent = true;
  r.cpuid = {{0, {0xD, 0x68747541, 0x444D4163, 0x69746E65}},
             {0x80000002, {0x65746E49, 0x2952286C, 0x726F4320, 0x4D542865}}};
  r.rdtsc = {{1000, UINT64_MAX}};
  r.qpcFrequence = 10000000;
  r.qpc = {{-20000, INT64_MAX}};
  r.processeurSelonOS = {{"Intel(R) \"P4\" \\ é", 2800}};
  r.machines = {{0, 0xAA64}};
  r.memoire = {{true, 1, 2, 3, 4, 5, 6}, {}};
  r.creationFournisseur = static_cast<int32_t>(0x80004005);
  r.conteneurs = {{"DxDiag_DisplayDevices", 0, ""}, {"DxDiag_DisplayDevices/#0", 0, "0"}};
  r.proprietes = {{"DxDiag_DisplayDevices/0", "szDescription", 0, 8, "RADEON\t9800", 0},
                  {"DxDiag_DisplayDevices/0", "dwDDIVersion", 0, 0x13, "", 9},
                  {"DxDiag_SystemInfo", "lNegatif", static_cast<int32_t>(0x80070057), 3, "", -5}};
  r.repertoireSysteme = "C:\\WINDOWS\\system32";
  r.fichiersDx = {{"ddraw.dll", 0x0004000800000190}, {"d3d9.dll", std::nullopt}, {"max.dll", UINT64_MAX}};
  r.modeLu = r.multiEcran = true;
  r.pelsWidth = 1920, r.pelsHeight = 1080, r.displayFrequency = 60, r.bitsPerPel = 32, r.planes = 1, r.bitsPixel = 32;
  r.cxScreen = 1920, r.cyScreen = 1080, r.cxVirtualScreen = 3840, r.cyVirtualScreen = -1;
  r.versionEx = {true, 5, 1, 2600, 2, "Service Pack 3", 0};
  r.vraieVersion = sondes::VersionSysteme{true, 10, 0, 22631, 2, "", 1};
  r.produit = {{true, 0xAF}};
  r.wine = "8.0";
  r.hoteWine = {{"Linux", "6.1.0"}};
  // Quote, backslash, controls, valid UTF-8; then invalid: a lone byte, overlong forms, a surrogate, beyond
  // U+10FFFF, a cut sequence.
  r.rapport = {"", "q\"b\\\0\x01\n\x7F"s + "é€😀" + "\xFF\xC3(" + "\xC0\xAF\xE0\x9F\xBF\xF0\x8F\xBF\xBF" +
                       "\xED\xA0\x80\xF4\x90\x80\x80\xC3\xC0\xE2\x82"};
  for (int i = 2; i < 20; ++i) r.rapport.push_back("l" + std::to_string(i));
  return r;
}

TEST(ReleveRules, UnReleveCompletSEcritSelonLeFormatEtSeRelitALIdentique) {
  std::string attendu = R"(Quorvane relevé 1
CpuidPresent: 1
cpuid 00000000: 0000000D 68747541 444D4163 69746E65
cpuid 80000002: 65746E49 2952286C 726F4320 4D542865
Rdtsc: 1000 18446744073709551615
QueryPerformanceFrequency: 10000000
QueryPerformanceCounter: -20000 9223372036854775807
ProcesseurSelonOS: "Intel(R) \"P4\" \\ é" 2800
IsWow64Process2: 0000 AA64
GlobalMemoryStatusEx: 1 1 2 3 4 5 6
GlobalMemoryStatusEx: 0 0 0 0 0 0 0
CoCreateInstance: 80004005
GetChildContainer "DxDiag_DisplayDevices": 00000000 ""
GetChildContainer "DxDiag_DisplayDevices/#0": 00000000 "0"
GetProp "DxDiag_DisplayDevices/0" "szDescription": 00000000 0008 "RADEON\x099800"
GetProp "DxDiag_DisplayDevices/0" "dwDDIVersion": 00000000 0013 9
GetProp "DxDiag_SystemInfo" "lNegatif": 80070057 0003 -5
GetSystemDirectoryA: "C:\\WINDOWS\\system32"
GetFileVersionInfo "ddraw.dll": 4.8.0.400
GetFileVersionInfo "d3d9.dll": aucune
GetFileVersionInfo "max.dll": 65535.65535.65535.65535
EnumDisplaySettingsA: 1 1920 1080 60 32
GetDeviceCaps: 1 32
MultiEcran: 1
GetSystemMetrics: 1920 1080 3840 -1
GetVersionExA: 1 5 1 2600 2 "Service Pack 3"
RtlGetVersion: 10 0 22631 2 1 ""
GetProductInfo: 1 000000AF
wine_get_version: "8.0"
wine_get_host_version: "Linux" "6.1.0"
rapport: ""
rapport: "q\"b\\\x00\x01\x0A\x7Fé€😀\xFF\xC3(\xC0\xAF\xE0\x9F\xBF\xF0\x8F\xBF\xBF\xED\xA0\x80\xF4\x90\x80\x80\xC3\xC0\xE2\x82"
)";
  for (int i = 2; i < 20; ++i) attendu += "rapport: \"l" + std::to_string(i) + "\"\n";
  const Releve r = Complet();
  EXPECT_EQ(sondes::EcrireReleve(r), Crlf(attendu));
  const auto lu = LireReleve(Crlf(attendu));
  ASSERT_TRUE(std::holds_alternative<sondes::ReleveLu>(lu))
      << sondes::MessageErreurReleve("", std::get<sondes::ErreurReleve>(lu));
  EXPECT_TRUE(std::get<sondes::ReleveLu>(lu).releve == r);
}

// The first line, then `debut`, then the required answers but those whose key starts with `sans`.
std::string Fichier(const std::string& debut, std::string_view sans = {}) {
  // clang-format off
  std::vector<std::string> lignes = {
      "CpuidPresent: 0", "GlobalMemoryStatusEx: 1 1 2 3 4 5 6", "CoCreateInstance: 00000000",
      "EnumDisplaySettingsA: 1 640 480 60 32", "GetDeviceCaps: 1 32", "MultiEcran: 0",
      "GetSystemMetrics: 640 480 640 480", "GetVersionExA: 1 5 1 2600 2 \"\""};
  // clang-format on
  std::string s = "Quorvane relevé 1\n" + debut;
  for (const std::string& l : lignes)
    if (sans.empty() || !l.starts_with(sans)) s += l + "\n";
  return s;
}

// Pads with a comment up to `taille` bytes.
std::string FichierDe(size_t taille) { return Fichier("#" + std::string(taille - Fichier("").size() - 2, 'x') + "\n"); }

TEST(ReleveRules, RefuseAvecLaLigneEtLaRaison) {
  // clang-format off
  const std::string malFormees[] = {
      "Rdtsc: 1 2 3", "Rdtsc: 1", "Rdtsc 1 2", "Rdtsc : 1 2", "Rdtsc:1 2", " Rdtsc: 1 2", "Rdtsc: 1 -2",
      "Rdtsc: 1 18446744073709551616", "Rdtsc: 1 2x", "Rdtsc: 1 \"2\"", "Rdtsc: 1 2\0"s, "MultiEcran: 2",
      "GetDeviceCaps: 1 2147483648", "RtlGetVersion: 10 0 22631 2 256 \"\"", "IsWow64Process2: 000 AA64",
      "cpuid 0D: 00000000 00000000 00000000 00000000", "cpuid: 00000000 00000000 00000000 00000000",
      "CoCreateInstance: -0000001", "GetFileVersionInfo \"a.dll\": 4.8.0",
      "GetFileVersionInfo \"a.dll\": 4.8.0.65536", "GetFileVersionInfo \"a.dll\": Aucune", "GetProductInfo: 1 AF", "GetProductInfo: 2 000000AF",
      "GetProp \"c\" \"n\": 00000000 0008 12", "GetProp \"c\" \"n\": 00000000 0003 \"12\"",
      "wine_get_version: \"8.0", "wine_get_version: 8.0", R"(wine_get_version: "\n")",
      R"(wine_get_version: "\x4")", R"(wine_get_version: "\")", "wine_get_version: \"a\tb\"",
      "wine_get_version: \"a\0b\""s, "wine_get_version: \"\x7F\"", "wine_get_host_version: \"a\"\"b\"",
      "wine_get_version: \"a\"b", "Inconnue 1 2", "Inconnue:1", "Inconnue: \"a", "Inconnue \"a\"\"b\": 1"};
  // clang-format on
  using enum sondes::RefusReleve;
  using E = sondes::ErreurReleve;
  std::vector<std::pair<std::string, E>> cas = {
      {"", {PasUnReleve, 1}},
      {"Quorvane relevé 1 \n", {PasUnReleve, 1}},
      {"Quorvane relevé 01\n", {PasUnReleve, 1}},
      {"Quorvane relevé 2 \n", {PasUnReleve, 1}},
      {"Quorvane relevé +2\n", {PasUnReleve, 1}},
      {"Quorvane relevé 10\n", {.refus = FormatUlterieur, .format = 10}},
      {"\xEF\xBB\xBFQuorvane relevé 2\r\n" + std::string(sondes::kTailleMaxReleve, 'x'),
       {.refus = FormatUlterieur, .format = 2}},
      {"\xEF\xBB\xBF\xEF\xBB\xBF" + Fichier(""), {PasUnReleve, 1}},
      {FichierDe(sondes::kTailleMaxReleve + 1), {TropGrand, 0}},
      {Fichier("MultiEcran: 1\n"), {Repetee, 8, "MultiEcran"}},
      {Fichier("Rdtsc: 1 2\nRdtsc: 1 2\n"), {Repetee, 3, "Rdtsc"}},
      {Fichier("", "CpuidPresent"), {Manquante, 9, "CpuidPresent"}},
      {Fichier("CpuidPresent: 1\n", "CpuidPresent"), {Manquante, 10, "Rdtsc"}},
      {Fichier("", "GlobalMemoryStatusEx"), {Manquante, 9, "GlobalMemoryStatusEx"}},
      {Fichier("", "GetVersionExA"), {Manquante, 9, "GetVersionExA"}},
  };
  for (const std::string& l : malFormees) cas.push_back({Fichier(l + "\n"), {MalFormee, 2}});
  for (const auto& [contenu, attendue] : cas) {
    const auto lu = LireReleve(contenu);
    const auto* e = std::get_if<E>(&lu);
    ASSERT_NE(e, nullptr) << contenu.substr(0, 80);
    EXPECT_EQ(*e, attendue) << contenu.substr(0, 80) << "\n" << sondes::MessageErreurReleve("", *e);
  }
}

TEST(ReleveRules, AccepteLesFormesEquivalentes) {
  struct Cas {
    std::string variante, canonique;
    std::vector<sondes::LigneIgnoree> ignorees = {};  // the variant's
  };
  const std::string a39 = std::string(39, 'a') + "\xC3\xA9";
  const Cas cas[] = {
      {"\xEF\xBB\xBF" + Fichier(""), Fichier("")},
      {Crlf(Fichier("")), Fichier("")},
      {Crlf(Fichier("QueryPerformanceCounter: -5 7\n")), Fichier("QueryPerformanceCounter: -5 7\n")},
      {Fichier("# c\n#\n\n \t\n"), Fichier("")},
      {Fichier("").substr(0, Fichier("").size() - 1), Fichier("")},  // no final line end
      {FichierDe(sondes::kTailleMaxReleve), Fichier("")},
      {Fichier("QueryPerformanceCounter:\t -5   7 \t\n"), Fichier("QueryPerformanceCounter: -5 7\n")},
      {Fichier("QueryPerformanceFrequency: 007\n"), Fichier("QueryPerformanceFrequency: 7\n")},
      {Fichier("CoCreateInstance: 8000abcd\n", "Co"), Fichier("CoCreateInstance: 8000ABCD\n", "Co")},
      {Fichier(R"(wine_get_version: "\x41\x4a\x4A\xff")"
               "\n"),
       Fichier("wine_get_version: \"AJJ\xFF\"\n")},
      // A later version's answers, read past, noted whole, even repeated.
      {Fichier("Cpuidpresent: 1\n"), Fichier(""), {{2, "Cpuidpresent"}}},
      {Fichier("# c\n\r\n\xFF\x01: 1\r\n"), Fichier(""), {{4, "\xFF\x01"}}},
      {Fichier(a39 + ": 1\nGetX \"c\" 3: \"\\x41\" 1\n" + a39 + ":\n"), Fichier(""), {{2, a39}, {3, "GetX"}, {4, a39}}},
  };
  for (const auto& [variante, canonique, ignorees] : cas) {
    const auto a = LireReleve(variante), b = LireReleve(canonique);
    ASSERT_TRUE(std::holds_alternative<sondes::ReleveLu>(a)) << variante.substr(0, 80);
    ASSERT_TRUE(std::holds_alternative<sondes::ReleveLu>(b)) << canonique.substr(0, 80);
    EXPECT_TRUE(std::get<sondes::ReleveLu>(a).releve == std::get<sondes::ReleveLu>(b).releve) << variante.substr(0, 80);
    EXPECT_EQ(std::get<sondes::ReleveLu>(a).ignorees, ignorees) << variante.substr(0, 80);
  }
}

TEST(ReleveRules, MessageDErreurAvecLeNomSansDossier) {
  using enum sondes::RefusReleve;
  const std::pair<sondes::ErreurReleve, std::string> cas[] = {
      {{TropGrand}, "releve.txt : le fichier dépasse 1 Mo."},
      {{PasUnReleve, 1}, "releve.txt, ligne 1 : ce n'est pas un relevé de Quorvane."},
      {{.refus = FormatUlterieur, .format = 2},
       "releve.txt : ce relevé est au format 2, cette version de Quorvane lit le format 1 ; mettez Quorvane à jour."},
      {{MalFormee, 12}, "releve.txt, ligne 12 : ligne mal formée."},
      {{Repetee, 8, "MultiEcran"}, "releve.txt, ligne 8 : réponse répétée : MultiEcran."},
      {{Manquante, 9, "Rdtsc"}, "releve.txt, ligne 9 : il manque la réponse Rdtsc."},
  };
  for (const auto& [erreur, message] : cas)
    EXPECT_EQ(sondes::MessageErreurReleve("C:\\jeux/a\\releve.txt", erreur), message);
}

}  // namespace
