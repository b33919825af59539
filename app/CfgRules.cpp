#include "app/CfgRules.h"

namespace appli {

Position CalculerPosition(int32_t largeurBureau, int32_t hauteurBureau, int32_t largeurClient, int32_t hauteurClient) {
  // A desktop narrower than 800 pixels puts the window in the corner; C++ division truncates toward
  // zero as required, so a desktop lower than the client gives a small negative top.
  if (largeurBureau < 800) return {1, 1};
  return {(hauteurBureau - hauteurClient) / 3, (largeurBureau - largeurClient) / 2};
}

std::string TexteEntier(int32_t valeur) { return std::to_string(valeur); }
std::string TexteNonSigne(uint32_t valeur) { return std::to_string(valeur); }

}  // namespace appli
