#include "app/CommandeRules.h"

#include <algorithm>

namespace appli {
namespace {

// Switches are ASCII; their case does not matter, as for the system's own programs.
bool Est(const std::wstring& argument, std::wstring_view option) {
  return std::equal(argument.begin(), argument.end(), option.begin(), option.end(),
                    [](wchar_t a, wchar_t b) { return (a >= L'A' && a <= L'Z' ? a - L'A' + L'a' : a) == b; });
}

}  // namespace

Commande LireCommande(std::span<const std::wstring> arguments) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (Est(arguments[i], L"/?")) return {Mode::Aide, {}};
    if (Est(arguments[i], L"/rapport"))
      return i + 1 < arguments.size() ? Commande{Mode::Rapport, arguments[i + 1]} : Commande{Mode::FichierManquant, {}};
  }
  return {};
}

}  // namespace appli
