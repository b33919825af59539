#include "app/InstanceRules.h"

namespace appli {

std::string NomMutexInstance(const std::string& cheminProgramme) {
  const auto coupure = cheminProgramme.find_last_of("\\:");
  std::string nom = coupure == std::string::npos ? cheminProgramme : cheminProgramme.substr(coupure + 1);
  // Only ASCII letters: bytes of other code pages must stay as they are, whatever the C locale says.
  for (char& c : nom)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return nom;
}

bool InstancePossible(bool poignee, uint32_t erreur) {
  return erreur == kErreurAccesRefuse || (poignee && erreur == kErreurDejaExistant);
}

bool InstanceEnCours(bool poignee, uint32_t erreur, bool fenetreTrouvee) {
  return (poignee && erreur == kErreurDejaExistant) || (erreur == kErreurAccesRefuse && fenetreTrouvee);
}

}  // namespace appli
