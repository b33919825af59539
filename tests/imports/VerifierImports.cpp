// Whether a program loads on Windows 2000 and on XP, from its file alone: every function it imports by name
// must be one that both systems' DLLs export (the lists beside this file, from real installations), every
// import by ordinal one listed below with its reason, every DLL one of the system's, and its header one that
// Windows 2000 accepts. Wine exports every later function whatever version it plays, so no run there shows
// this. A Linux program, built with the host compiler and run by CTest:
//
//   verifier-imports LISTE-2000 LISTE-XP PROGRAMME.exe...   the programs' import tables
//   verifier-imports LISTE-2000 LISTE-XP --liste FICHIER     an import list, "dll<TAB>function" a line
//
// Prints each refusal on a line and ends with 1 when there is one.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Import {
  std::string dll, fonction;  // fonction: "#N" for an ordinal
};

// Imports by ordinal, each with the reason it is sound on both systems. None today.
struct Ordinal {
  const char *dll, *fonction, *raison;
};
const std::vector<Ordinal> kOrdinaux = {};

std::string Minuscules(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

using Exports = std::set<std::pair<std::string, std::string>>;

Exports LireExports(const std::string& chemin) {
  std::ifstream f(chemin);
  if (!f) throw std::runtime_error("liste introuvable : " + chemin);
  Exports e;
  for (std::string ligne; std::getline(f, ligne);) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const size_t tab = ligne.find('\t');
    if (ligne.empty() || ligne[0] == '#' || tab == std::string::npos) continue;
    e.emplace(Minuscules(ligne.substr(0, tab)), ligne.substr(tab + 1));
  }
  return e;
}

class Pe {
 public:
  explicit Pe(const std::string& chemin) : chemin_(chemin) {
    std::ifstream f(chemin, std::ios::binary);
    octets_.assign(std::istreambuf_iterator<char>(f), {});
    if (Lu16(0) != 0x5A4D) Erreur("pas un programme");
    pe_ = Lu32(0x3C);
    if (Lu32(pe_) != 0x00004550) Erreur("pas de signature PE");
    optionnel_ = pe_ + 24;
    if (Lu16(optionnel_) != 0x10B) Erreur("pas un programme 32 bits (PE32)");
    sections_ = optionnel_ + Lu16(pe_ + 20);
  }

  uint16_t Machine() const { return Lu16(pe_ + 4); }
  std::pair<int, int> VersionSysteme() const { return {Lu16(optionnel_ + 40), Lu16(optionnel_ + 42)}; }
  std::pair<int, int> VersionSousSysteme() const { return {Lu16(optionnel_ + 48), Lu16(optionnel_ + 50)}; }
  uint32_t Repertoire(int n) const { return Lu32(optionnel_ + 96 + 8 * static_cast<size_t>(n)); }

  std::vector<Import> Imports() const {
    std::vector<Import> imports;
    for (size_t d = Decalage(Repertoire(1));; d += 20) {
      const uint32_t nom = Lu32(d + 12), noms = Lu32(d) ? Lu32(d) : Lu32(d + 16);
      if (nom == 0) break;
      const std::string dll = Texte(Decalage(nom));
      for (size_t t = Decalage(noms);; t += 4) {
        const uint32_t entree = Lu32(t);
        if (entree == 0) break;
        imports.push_back({dll, entree & 0x80000000u ? "#" + std::to_string(entree & 0xFFFFu)
                                                     : Texte(Decalage(entree & 0x7FFFFFFFu) + 2)});
      }
    }
    return imports;
  }

 private:
  [[noreturn]] void Erreur(const std::string& quoi) const { throw std::runtime_error(chemin_ + " : " + quoi); }
  uint32_t Lu(size_t at, int n) const {
    if (at + static_cast<size_t>(n) > octets_.size()) Erreur("tronqué");
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(octets_[at + static_cast<size_t>(i)]);
    return v;
  }
  uint16_t Lu16(size_t at) const { return static_cast<uint16_t>(Lu(at, 2)); }
  uint32_t Lu32(size_t at) const { return Lu(at, 4); }
  std::string Texte(size_t at) const {
    std::string s;
    while (at < octets_.size() && octets_[at]) s += octets_[at++];
    return s;
  }
  // The file offset of an address once loaded, through the section that holds it.
  size_t Decalage(uint32_t rva) const {
    for (size_t s = sections_, n = 0; n < Lu16(pe_ + 6); ++n, s += 40) {
      const uint32_t debut = Lu32(s + 12), taille = std::max(Lu32(s + 8), Lu32(s + 16));
      if (rva >= debut && rva < debut + taille) return Lu32(s + 20) + (rva - debut);
    }
    Erreur("adresse hors des sections");
  }

  std::string chemin_;
  std::vector<char> octets_;
  size_t pe_ = 0, optionnel_ = 0, sections_ = 0;
};

std::vector<Import> LireListe(const std::string& chemin) {
  std::ifstream f(chemin);
  if (!f) throw std::runtime_error("liste introuvable : " + chemin);
  std::vector<Import> imports;
  for (std::string ligne; std::getline(f, ligne);) {
    const size_t tab = ligne.find('\t');
    if (!ligne.empty() && ligne[0] != '#' && tab != std::string::npos)
      imports.push_back({ligne.substr(0, tab), ligne.substr(tab + 1)});
  }
  return imports;
}

// The refusals of one program's imports.
std::vector<std::string> Refus(const std::string& programme, const std::vector<Import>& imports, const Exports& w2000,
                               const Exports& xp) {
  std::vector<std::string> refus;
  auto systeme = [](const Exports& e, const std::string& dll) {
    auto it = e.lower_bound({dll, ""});
    return it != e.end() && it->first == dll;
  };
  for (const Import& i : imports) {
    const std::string dll = Minuscules(i.dll);
    const std::string nom = programme + " : " + i.dll + " " + i.fonction;
    if (!systeme(w2000, dll) || !systeme(xp, dll)) {
      refus.push_back(nom + " : pas une DLL du système de Windows 2000 et XP");
    } else if (i.fonction[0] == '#') {
      const bool liste = std::any_of(kOrdinaux.begin(), kOrdinaux.end(), [&](const Ordinal& o) {
        return Minuscules(o.dll) == dll && i.fonction == o.fonction;
      });
      if (!liste) refus.push_back(nom + " : import par ordinal non répertorié");
    } else {
      for (auto [version, exports] : {std::pair{"Windows 2000", &w2000}, std::pair{"Windows XP", &xp}})
        if (!exports->count({dll, i.fonction})) refus.push_back(nom + " : absente de " + version);
    }
  }
  return refus;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: verifier-imports LISTE-2000 LISTE-XP (PROGRAMME... | --liste FICHIER)\n";
    return 2;
  }
  try {
    const Exports w2000 = LireExports(argv[1]), xp = LireExports(argv[2]);
    std::vector<std::string> refus;
    if (std::string(argv[3]) == "--liste" && argc == 5) {
      refus = Refus(argv[4], LireListe(argv[4]), w2000, xp);
    } else {
      for (int a = 3; a < argc; ++a) {
        const Pe pe(argv[a]);
        std::vector<std::string> r = Refus(argv[a], pe.Imports(), w2000, xp);
        if (pe.Machine() != 0x14C) r.push_back(std::string(argv[a]) + " : pas un programme x86");
        if (pe.VersionSysteme() > std::pair{5, 0} || pe.VersionSousSysteme() > std::pair{5, 0})
          r.push_back(std::string(argv[a]) + " : en-tête pour un Windows plus récent que 2000");
        if (pe.Repertoire(13) != 0) r.push_back(std::string(argv[a]) + " : imports différés, que rien ne vérifie");
        std::cout << argv[a] << " : " << pe.Imports().size() << " imports\n";
        refus.insert(refus.end(), r.begin(), r.end());
      }
    }
    for (const std::string& r : refus) std::cout << r << "\n";
    return refus.empty() ? 0 : 1;
  } catch (const std::exception& e) {
    std::cout << e.what() << "\n";
    return 2;
  }
}
