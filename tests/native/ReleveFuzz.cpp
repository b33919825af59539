// Fuzz target: a relevé is a file a player sends, so any bytes may come. Reading one never crashes, and
// what it accepts is written, then read back to the same relevé and written to the same bytes. The input
// is read alone, then as answers between the first line and the required ones (an accepted file is longer
// than the fuzzer's inputs), and its bytes are the texts of a relevé that must survive the file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "probes/ReleveRules.h"

namespace {

using sondes::Releve;

// Aborts unless an accepted relevé reads back from its own file, bytes for bytes.
void Relire(std::string_view contenu) {
  const auto lu = sondes::LireReleve(contenu);
  const auto* luOk = std::get_if<sondes::ReleveLu>(&lu);
  if (!luOk) return;
  const Releve* releve = &luOk->releve;
  const std::string ecrit = sondes::EcrireReleve(*releve);
  const auto relu = sondes::LireReleve(ecrit);
  const auto* releveRelu = std::get_if<sondes::ReleveLu>(&relu);
  if (!releveRelu || !(releveRelu->releve == *releve) || !releveRelu->ignorees.empty() ||
      sondes::EcrireReleve(releveRelu->releve) != ecrit)
    std::abort();
}

// The required answers; the report lines are not among them.
constexpr std::string_view kRequis =
    "CpuidPresent: 0\nGlobalMemoryStatusEx: 1 1 2 3 4 5 6\nCoCreateInstance: 00000000\n"
    "EnumDisplaySettingsA: 1 640 480 60 32\nGetDeviceCaps: 1 32\nMultiEcran: 0\n"
    "GetSystemMetrics: 640 480 640 480\nGetVersionExA: 1 5 1 2600 2 \"\"\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const std::string octets(reinterpret_cast<const char*>(donnees), taille);
  Relire(octets);
  static const std::string entete = std::string(sondes::kEnteteReleve) + "\n";
  Relire(entete + octets + "\n" + std::string(kRequis));

  // A text before the colon, one among the values and one last on its line.
  Releve r;
  r.memoire.emplace_back();
  r.rapport = {"", octets};
  r.conteneurs = {{octets, 0, octets}};
  r.proprietes = {{octets, octets, 0, 8, octets, 0}, {octets, octets, -1, 3, "", INT64_MIN}};
  const auto lu = sondes::LireReleve(sondes::EcrireReleve(r));
  if (!std::holds_alternative<sondes::ReleveLu>(lu) || !(std::get<sondes::ReleveLu>(lu).releve == r)) std::abort();
  return 0;
}
