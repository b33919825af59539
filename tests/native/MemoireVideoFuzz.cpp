// Fuzz target: the video memory rule never crashes and agrees with a plain regular-expression reading of
// the same form.
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "probes/VideoRules.h"

namespace {

int32_t Reference(const std::string& texte) {
  static const std::regex forme(R"([ \t]*([0-9]+)(\.[0-9]+)?[ \t]*(MB)?[ \t]*)");
  std::smatch m;
  if (!std::regex_match(texte, m, forme)) return 0;
  std::string entier = m[1].str();
  entier.erase(0, std::min(entier.find_first_not_of('0'), entier.size() - 1));
  if (entier.size() > 10) return 0;
  const long long valeur = std::stoll(entier);
  return valeur > INT32_MAX ? 0 : static_cast<int32_t>(valeur);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const std::string texte(reinterpret_cast<const char*>(donnees), taille);
  if (sondes::MemoireVideoSelonTexte(texte) != Reference(texte)) std::abort();
  return 0;
}
