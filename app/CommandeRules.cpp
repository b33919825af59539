#include "app/CommandeRules.h"

namespace appli {
namespace {

// Switches are ASCII: their case is folded letter by letter, whatever the locale.
bool Est(const std::wstring& argument, const wchar_t* option) {
  size_t i = 0;
  for (; option[i] && i < argument.size(); ++i) {
    const wchar_t a = argument[i] >= L'A' && argument[i] <= L'Z' ? argument[i] - L'A' + L'a' : argument[i];
    if (a != option[i]) return false;
  }
  return !option[i] && i == argument.size();
}

}  // namespace

bool RapportJson(const std::wstring& fichier) {
  constexpr size_t n = 5;
  return fichier.size() >= n && Est(fichier.substr(fichier.size() - n), L".json");
}

Commande Interpreter(const std::vector<std::wstring>& arguments) {
  Commande c;
  const auto manquant = [&](const std::wstring& option) { return Commande{Mode::FichierManquant, {}, {}, option}; };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& a = arguments[i];
    const bool suivant = i + 1 < arguments.size();
    if (c.mode == Mode::Rejouer) {
      // Only a report may follow a replay's relevé.
      if (!Est(a, L"/rapport")) continue;
      if (!suivant) return manquant(a);
      c.mode = Mode::RejouerRapport;
      c.fichier = arguments[i + 1];
      return c;
    }
    if (Est(a, L"/?")) return {Mode::Aide, {}, {}, {}};
    if (Est(a, L"/rapport") || Est(a, L"/releve")) {
      if (!suivant) return manquant(a);
      return {Est(a, L"/rapport") ? Mode::Rapport : Mode::Releve, arguments[i + 1], {}, {}};
    }
    if (Est(a, L"/rejouer")) {
      if (!suivant) return manquant(a);
      c = {Mode::Rejouer, {}, arguments[++i], {}};
    }
  }
  return c;
}

}  // namespace appli
