#include "app/OngletsRules.h"

#include <algorithm>
#include <cstring>
#include <deque>

#include "app/CfgRules.h"

namespace appli {

using R = sondes::ResultatsInspection;
using bilan::Verdicts;
using enum base::Texte;

namespace {

// A value's words from the text table, which holds them in ASCII (a test sees to it): as they are among
// the findings' single-byte texts.
std::string Mots(std::wstring_view texte) {
  std::string mots;
  for (wchar_t c : texte) mots += static_cast<char>(c);
  return mots;
}
std::wstring Large(const std::string& chiffres) { return std::wstring(chiffres.begin(), chiffres.end()); }
std::string Unite(base::Texte unite, const std::string& nombre) { return Mots(base::Remplir(unite, {Large(nombre)})); }
std::string Taille(const std::string& largeur, const std::string& hauteur) {
  return Mots(base::Remplir(ValeurTaille, {Large(largeur), Large(hauteur)}));
}

}  // namespace

// Numbers are plain decimal, signed, but the refresh rate is unsigned. LblHW holds the desktop size, LblRes
// the colour depth. The value rows of GRAPHIQUES are in the report's order, which is not their order on
// the page. The table is constant, made at compile time, so that the form's rows can be built from it
// before main; a report title is an id of the text table, as GCC 12 cannot make a string_view from
// a plain literal in a nested list at compile time. The texts are the text table's ids, but for the report's
// titles: single-byte views made at compile time, which the report assembles as bytes or wide text alike;
// a translation changes them here.
// clang-format off
constexpr std::initializer_list<Onglet> kOnglets = {
    {.page = "TabCPU", .legende = OngletCpu, .titre = "Label1", .texteTitre = TitreCpu,
     .valeurs = {
     // caption: name, text, left, top                    value label, left, top
     //   its text, from the findings r                                                    report title           separator
        {{"Label6",  LegendeCpu,                          8,  45}, "LblCPU",          136,  47,
           [](const R& r) { return r.NomCPU; },                                            RapportCpu             , false},
        {{"Label7",  LegendeVitesse,               8,  69}, "LblVitesse",      136,  71,
           [](const R& r) { return Unite(ValeurMhz, TexteEntier(r.Vitesse)); },                     RapportVitesse         , true},
     },
     .image = "CPUPim", .largeurImage = 33, .hauteurImage = 49,
     .commentaires = {{"LblCmtCPU", 32, 264, &Verdicts::cmtCPU}},
     .niveau = &Verdicts::cpu, .bulle = &Verdicts::bulleCPU, .cleJson = "cpu", .faits = bilan::FaitsProcesseur},

    {.page = "TabMemoire", .legende = OngletMemoire, .titre = "Label2", .texteTitre = TitreMemoire,
     .valeurs = {
        {{"Label8",  LegendeTotalRam,                 8,  47}, "LblTotalRAM",     200,  49,
           [](const R& r) { return Unite(ValeurMo, TexteEntier(r.TotalRAM)); },                     RapportRam             , false},
        {{"Label9",  LegendeVirtuel,   8,  71}, "LblVirtuel",      200,  73,
           [](const R& r) { return Unite(ValeurMo, TexteEntier(r.TotalVirtuel)); },                 RapportVirtuel         , false},
        {{"Label11", LegendePage,        8,  95}, "LblPage",         200,  97,
           [](const R& r) { return Unite(ValeurMo, TexteEntier(r.TotalPage)); },                    RapportPage            , true},
     },
     .image = "RAMPim", .largeurImage = 30, .hauteurImage = 49,
     .commentaires = {{"LblCmtRAM", 32, 264, &Verdicts::cmtRAM}},
     .niveau = &Verdicts::ram, .bulle = &Verdicts::bulleRAM, .cleJson = "memoire", .faits = bilan::FaitsMemoire},

    {.page = "TabCV", .legende = OngletGraphiques, .titre = "Label3", .texteTitre = TitreCarte,
     .valeurs = {
        {{"Label10", LegendeMarque,                       8,  48}, "LblMarqueVideo",  128,  50,
           [](const R& r) { return r.MarqueVideo; },                                       RapportCarte           , false},
        {{"Label14", LegendeMemoireVideo,                8, 120}, "LblMemoireVideo", 128, 122,
           [](const R& r) { return Unite(ValeurMb, TexteEntier(r.MemoireVideo)); },                 RapportMemoireVideo    , false},
        {{"Label12", LegendeTaille,              8,  72}, "LblHW",           128,  74,
           [](const R& r) { return Taille(TexteEntier(r.LargeurEcran), TexteEntier(r.HauteurEcran)); },
                                                                                           RapportTaille          , false},
        {{"Label15", LegendeRafraichissement,               8, 144}, "LblRefreshRate",  128, 146,
           [](const R& r) { return Unite(ValeurHz, TexteNonSigne(r.RefreshRate)); },                RapportRafraichissement, false},
        {{"Label13", LegendeResolution,                   8,  96}, "LblRes",          128,  98,
           [](const R& r) { return Unite(ValeurBits, TexteEntier(r.BitsCouleur)); },                RapportResolution      , false},
        {{"Label16", LegendePilotes,              8, 168}, "LblVerDrv",       128, 170,
           [](const R& r) { return r.VerDrv; },                                            RapportPilotes         , false},
        {{"Label17", Legende3D,                   8, 192}, "LblIs3D",         128, 194,
           [](const R& r) { return Mots(base::Dire(r.Is3D == 1 ? Oui : Non)); },            Rapport3D              , true},
     },
     .image = "CGPim", .largeurImage = 30, .hauteurImage = 49,
     .commentaires = {{"LblCmtCG", 32, 248, &Verdicts::cmtCG}, {"LblCmtSpecial", 32, 264, &Verdicts::cmtSpecial}},
     .niveau = &Verdicts::cg, .bulle = &Verdicts::bulleCG, .cleJson = "graphiques", .faits = bilan::FaitsGraphiques},

    {.page = "TabOS", .legende = OngletOs, .titre = "Label4", .texteTitre = TitreOs,
     .valeurs = {
        {{"Label20", LegendeVersionOs,              8,  48}, "LblVerOS",        136,  50,
           [](const R& r) { return r.VerOS; },                                             RapportOs              , false},
        {{"Label21", LegendeAutre,                        8,  72}, "LblAutreInfo",    136,  74,
           [](const R& r) { return r.AutreInfo; },                                         RapportAutre           , true},
     },
     .image = "OSPim", .largeurImage = 30, .hauteurImage = 49,
     .commentaires = {{"LblCmtOS", 32, 264, &Verdicts::cmtOS}},
     .niveau = &Verdicts::os, .bulle = &Verdicts::bulleOS, .cleJson = "os", .faits = bilan::FaitsSysteme},

    {.page = "TabDX", .legende = OngletDirectx, .titre = "Label5", .texteTitre = TitreDirectx,
     .valeurs = {
        {{"Label22", LegendeVersionDx,           8,  48}, "LblDxVersion",    152,  50,
           [](const R& r) { return r.DxVersion; },                                         RapportDirectx         , false},
     },
     .image = "PIMDX", .largeurImage = 30, .hauteurImage = 49,
     .commentaires = {{"LblCmtDx", 32, 264, &Verdicts::cmtDx}},
     .niveau = &Verdicts::dx, .bulle = &Verdicts::bulleDx, .cleJson = "directx", .faits = bilan::FaitsDirectX},
};
// clang-format on

namespace {

constexpr const char* kControleOnglets = "Tabs";  // the tab control, a fixed row of the form (app/CfgForm.cpp)
constexpr int kPage[] = {3, 27, 331, 283};        // every tab page, inside the tab control
constexpr int kTitre[] = {8, 16};                 // every heading, on its page
constexpr int kImage[] = {0, 232};                // every status picture, on its page
// The status pictures' image list; they show its red diamond until the verdicts come.
constexpr const char* kPims = "Pims";
constexpr int16_t kRouge = 2;

}  // namespace

const std::vector<ui::ControlDesc>& ControlesOnglets() {
  using enum ui::Kind;
  using enum ui::FontStyle;
  // A row points at its text: the value and comment labels show their names until the findings come, and
  // those wide copies live as long as the rows.
  static std::deque<std::wstring> noms;
  static const std::vector<ui::ControlDesc> lignes = [] {
    const auto nom = [](const char* n) { return noms.emplace_back(n, n + std::strlen(n)).c_str(); };
    std::vector<ui::ControlDesc> l;
    for (const Onglet& o : kOnglets) {
      l.push_back({TabPage, o.page, kControleOnglets, kPage[0], kPage[1], kPage[2], kPage[3], base::Dire(o.legende)});
      l.push_back({Label, o.titre, o.page, kTitre[0], kTitre[1], 0, 0, base::Dire(o.texteTitre), Heading});
      std::vector<const LigneValeur*> valeurs;
      for (const LigneValeur& v : o.valeurs) valeurs.push_back(&v);
      std::ranges::stable_sort(valeurs, {}, [](const LigneValeur* v) { return v->legende.top; });
      for (const LigneValeur* v : valeurs)
        l.push_back(
            {Label, v->legende.nom, o.page, v->legende.left, v->legende.top, 0, 0, base::Dire(v->legende.texte), Bold});
      std::ranges::stable_sort(valeurs, {}, [](const LigneValeur* v) { return v->top; });
      for (const LigneValeur* v : valeurs) l.push_back({Label, v->label, o.page, v->left, v->top, 0, 0, nom(v->label)});
      l.push_back({Picture, o.image, o.page, kImage[0], kImage[1], o.largeurImage, o.hauteurImage, L"", Regular,
                   ui::kNone, kPims, kRouge});
      for (const LigneCommentaire& c : o.commentaires)
        l.push_back({Label, c.nom, o.page, c.left, c.top, 0, 0, nom(c.nom)});
    }
    return l;
  }();
  return lignes;
}

std::vector<const LigneValeur*> Valeurs() {
  std::vector<const LigneValeur*> valeurs;
  for (const Onglet& o : kOnglets)
    for (const LigneValeur& v : o.valeurs) valeurs.push_back(&v);
  return valeurs;
}

}  // namespace appli
