#pragma once
// A relevé as a file: UTF-8 text, one answer per line, stable and versioned, so that a player's machine
// becomes a test anywhere. Lines end with CR LF as written; the reader takes LF alone too.
//
//   Quorvane relevé 1                                   the first line, exactly (an optional BOM before it);
//                                                        "Quorvane relevé N", N > 1, is a later format: refused
//                                                        with its number, so that the player updates
//   # any comment                                        lines starting with '#', and blank lines, are skipped
//   CpuidPresent: 1                                      1 or 0
//   cpuid 80000002: 65746E49 2952286C 726F4320 4D542865  the leaf, then EAX EBX ECX EDX (8 hex digits each)
//   Rdtsc: 1000 1300001000                               the counter before and after the pause (decimal)
//   QueryPerformanceFrequency: 10000000                  decimal
//   QueryPerformanceCounter: 20000 5020000               before and after the pause (decimal, signed)
//   ProcesseurSelonOS: "Intel(R) Pentium(R) 4 CPU" 2800  the registry's name and ~MHz
//   IsWow64Process2: 0000 AA64                           process and native machine (4 hex digits each)
//   GlobalMemoryStatusEx: 1 TP AP TV AV TPF APF          the result, then six byte counts (decimal); one
//                                                        line per query, in the order of the queries
//   CoCreateInstance: 00000000                           the provider's creation (HRESULT, 8 hex digits)
//   GetChildContainer "DxDiag_DisplayDevices": 00000000 ""   a container's path, HRESULT, name (see Releve.h)
//   GetProp "DxDiag_DisplayDevices/0" "szDescription": 00000000 0008 "RADEON 9800"
//                                                        HRESULT, VARTYPE (4 hex), then a quoted text for
//                                                        VT_BSTR (0008), else a decimal integer
//   GetSystemDirectoryA: "C:\\WINDOWS\\system32"
//   GetFileVersionInfo "ddraw.dll": 4.8.0.400            or `aucune` when the version could not be read
//   EnumDisplaySettingsA: 1 1920 1080 60 32              result, width, height, frequency, bits per pixel
//   GetDeviceCaps: 1 32                                  PLANES, BITSPIXEL
//   MultiEcran: 1
//   GetSystemMetrics: 1920 1080 1920 1080                SM_CXSCREEN SM_CYSCREEN SM_CXVIRTUALSCREEN SM_CYVIRTUALSCREEN
//   GetVersionExA: 1 5 1 2600 2 "Service Pack 3"         result, major, minor, build, platform, CSD text
//   RtlGetVersion: 10 0 22631 2 1 ""                     major, minor, build, platform, product type, CSD;
//                                                        the line stands for an answer (read back as `lu`)
//   GetProductInfo: 1 000000AF                           result, edition (PRODUCT_*, 8 hex digits); Vista on
//   wine_get_version: "8.0"
//   wine_get_host_version: "Linux" "6.1.0"
//   rapport: "CPU              : AMD Athlon(tm) XP 2400+"  the report the writer gave, line by line, the first
//                                                        empty: its record, never required (see below)
//
// Texts are quoted: inside the quotes `\\` is a backslash, `\"` a quote, `\xHH` any byte; the writer
// escapes the quote, the backslash, control bytes and bytes that are not UTF-8, so that any byte survives.
// Keys are matched exactly; fields are separated by one or more blanks. Every key but cpuid, GetProp,
// GetChildContainer, GetFileVersionInfo, GlobalMemoryStatusEx and rapport appears at most once.
// Required: CpuidPresent (and Rdtsc when it is 1), at least one GlobalMemoryStatusEx, CoCreateInstance,
// EnumDisplaySettingsA, GetDeviceCaps, MultiEcran, GetSystemMetrics and GetVersionExA. The rapport lines are
// read back into the relevé, whatever their number (none too): the report is the decode's, and one more
// value label must leave every relevé ever sent readable.
// A line of a key this version does not know is read past if it has an answer's shape (a key, fields, a
// colon, values, well-formed quoted texts), and noted in ReleveLu::ignorees: so a later version may add to
// format 1 an answer that older readers can do without. One they cannot do without needs a later format.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "probes/Releve.h"

namespace sondes {

inline constexpr uint32_t kFormatReleve = 1;  // the format this version writes and reads
inline constexpr std::string_view kEnteteReleve = "Quorvane relevé 1";
inline constexpr size_t kTailleMaxReleve = 1024 * 1024;  // bytes; a larger file is no relevé

// Why a file is not a relevé, with the values its message names (MessageErreurReleve).
enum class RefusReleve { TropGrand, PasUnReleve, FormatUlterieur, MalFormee, Repetee, Manquante };

struct ErreurReleve {
  RefusReleve refus = RefusReleve::MalFormee;
  size_t ligne = 0;      // 1-based; 0 for the file as a whole
  std::string cle = {};  // Repetee, Manquante: the answer's key
  uint32_t format = 0;   // FormatUlterieur: the format the file's first line names

  bool operator==(const ErreurReleve&) const = default;
};

// A line of an answer this version does not know, read past: its number (1-based) and its key, as read.
struct LigneIgnoree {
  size_t ligne = 0;
  std::string cle;

  bool operator==(const LigneIgnoree&) const = default;
};

// What a file gives: its relevé, and the lines read past, so that a caller may tell.
struct ReleveLu {
  Releve releve;
  std::vector<LigneIgnoree> ignorees;
};

// The file's text, in the order of the format above: the same relevé always gives the same bytes, and
// LireReleve gives it back, but for what the format has no place for (GetVersionExA's product type, a
// GetProp's number for VT_BSTR or its text otherwise) and for a relevé that lacks a required answer.
std::string EcrireReleve(const Releve& releve);

// Reads a file's bytes; never throws on any input (memory aside).
std::variant<ReleveLu, ErreurReleve> LireReleve(std::string_view contenu);

// "releve.txt, ligne 12 : ligne mal formée." (the file's name without its folder; no line when it is 0).
// Every French text of a refusal is here, so that they move to the player's texts together.
std::string MessageErreurReleve(std::string_view nomFichier, const ErreurReleve& erreur);

}  // namespace sondes
