#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "base/Textes.h"

namespace {

using base::Texte;

TEST(Textes, RemplirLesEmplacements) {
  struct Cas {
    const wchar_t* modele;
    std::initializer_list<std::wstring_view> valeurs;
    const wchar_t* attendu;
  };
  const Cas cas[] = {
      {L"Relevé rejoué : {0}", {L"d.txt"}, L"Relevé rejoué : d.txt"},
      {L"Mesuré : {0} Mo. Il faut plus de {1} Mo.", {L"128", L"256"}, L"Mesuré : 128 Mo. Il faut plus de 256 Mo."},
      {L"{1} puis {0}, encore {1}", {L"a", L"b"}, L"b puis a, encore b"},
      {L"Le jeu va fonctionner !", {}, L"Le jeu va fonctionner !"},
      {L"Le jeu va fonctionner !", {L"rien"}, L"Le jeu va fonctionner !"},
      {L"{0}{0}", {L"{0}"}, L"{0}{0}"},  // a value is never read as a slot
      // Braces that open no slot stay.
      {L"{x} {} { 0} {0", {L"a"}, L"{x} {} { 0} {0"},
      {L"{1} {10}", {L"a"}, L"{1} {10}"},
      {L"{01}.{", {L"a", L"b"}, L"b.{"},
  };
  for (const Cas& c : cas) EXPECT_EQ(base::RemplirModele(c.modele, c.valeurs), c.attendu) << c.modele;
}

// Each text is there, and its slots are the values its users pass: {0} to {n-1}, each at least once.
TEST(Textes, ChaqueTexteEtSesEmplacements) {
  const std::wregex emplacement(LR"(\{([0-9]+)\})");
  for (size_t i = 0; i < base::kNombreTextes; ++i) {
    const auto id = static_cast<Texte>(i);
    const std::wstring texte = base::Dire(id);
    EXPECT_FALSE(texte.empty()) << i;
    size_t valeurs = 0;
    for (const base::AvecValeurs& a : base::kAvecValeurs)
      if (a.id == id) valeurs = a.valeurs;
    std::set<size_t> vus;
    for (std::wsregex_iterator m(texte.begin(), texte.end(), emplacement), fin; m != fin; ++m)
      vus.insert(std::stoul((*m)[1].str()));
    EXPECT_EQ(vus.size(), valeurs) << i;
    if (!vus.empty()) {
      EXPECT_EQ(*vus.rbegin() + 1, valeurs) << i;
    }
  }
}

// The values' words join the findings' single-byte texts, which the window reads in the ANSI code page.
// They join the findings' single-byte texts: the values' words, the report's titles, the stand-ins.
TEST(Textes, LesMotsDesValeursSontAscii) {
  const std::pair<Texte, Texte> kPlages[] = {{Texte::ValeurMhz, Texte::RapportDirectx},
                                             {Texte::Inconnue, Texte::DxAuMoins}};
  for (const auto& [premier, dernier] : kPlages)
    for (auto i = static_cast<size_t>(premier); i <= static_cast<size_t>(dernier); ++i)
      for (const wchar_t* c = base::Dire(static_cast<Texte>(i)); *c; ++c) EXPECT_LT(*c, 0x80) << i;
}

}  // namespace
