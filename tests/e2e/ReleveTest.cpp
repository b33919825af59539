// A machine's relevé from a player's prompt, replayed on another: without a window, in the window, and
// refused when it is not a relevé.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "Fichiers.h"
#include "Pilote.h"

namespace {

using fichiers::Lire;
using pilote::Controle;
using pilote::Processus;
using pilote::Texte;

struct Execution {
  long code;
  std::string sortie, erreurs;  // as the program wrote them to the files
};

Execution Executer(const std::wstring& exe, const std::wstring& arguments) {
  const std::wstring dossier = fichiers::DossierVide(L"quorvane-releve-sorties"),
                     noms[] = {dossier + L"\\1", dossier + L"\\2"};
  SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
  base::Handle f[2];
  for (int i = 0; i < 2; ++i)
    f[i] = base::Handle(CreateFileW(noms[i].c_str(), GENERIC_WRITE, 0, &heritable, CREATE_ALWAYS, 0, nullptr));
  const long code = Processus(exe, SW_SHOWNORMAL, {}, arguments, f[0].get(), f[1].get()).AttendreFin(60000);
  for (auto& h : f) h.Fermer();
  return {code, Lire(noms[0]).value_or(""), Lire(noms[1]).value_or("")};
}

// The report lines of a relevé, each back in the bytes the export writes (the test's code page is 1252).
std::string RapportDuReleve(const std::string& releve) {
  std::istringstream lignes(releve);
  std::string rapport;
  for (std::string l; std::getline(lignes, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    if (l.rfind("rapport: \"", 0) != 0) continue;
    const std::string utf8 = l.substr(10, l.size() - 11);
    std::wstring large(utf8.size(), L'\0');
    large.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                         large.data(), static_cast<int>(large.size()))));
    std::string ansi(large.size() * 2, '\0');
    ansi.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, large.data(), static_cast<int>(large.size()),
                                                        ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr)));
    rapport += ansi + "\r\n";
  }
  return rapport;
}

std::string SansVitesse(const std::string& rapport) {
  return std::regex_replace(rapport, std::regex("VITESSE          : [0-9]+ MHz"), "VITESSE          : ? MHz");
}

class Releve : public testing::Test {
 protected:
  void SetUp() override {
    dossier = fichiers::DossierVide(L"quorvane-releve");
    releve = dossier + L"\\d.txt";
    // Taken here, then replayed by a program told it runs on Windows XP without the diagnostic provider.
    const Execution x = Executer(pilote::Copie(L"Q_releve.exe"), L"/releve \"" + releve + L"\"");
    ASSERT_EQ(x.code, 0) << x.erreurs;
    contenu = Lire(releve).value_or("");
    ASSERT_EQ(contenu.rfind("Quorvane relev\xC3\xA9 1\r\n", 0), 0u) << contenu.substr(0, 40);
    rejeu = pilote::Copie(L"Q_rejeu.exe");
    pilote::VersionWindows(L"Q_rejeu.exe", L"winxp64");
    pilote::DesactiverDll(L"Q_rejeu.exe", L"dxdiagn");
  }

  std::wstring dossier, releve, rejeu;
  std::string contenu;
};

TEST_F(Releve, RejoueAilleursIlRedonneLeRapportDeSaMachine) {
  const Execution rapport = Executer(pilote::Copie(L"Q_releve.exe"), L"/rapport \"" + dossier + L"\\r1.txt\"");
  ASSERT_EQ(rapport.code, 0);
  const Execution x = Executer(rejeu, L"/rejouer \"" + releve + L"\" /rapport \"" + dossier + L"\\r2.txt\"");
  EXPECT_EQ(x.code, 0);
  EXPECT_EQ(x.erreurs, "") << "no platform call: no warning of the missing provider";
  const std::string rejoue = Lire(dossier + L"\\r2.txt").value_or("");
  EXPECT_EQ(rejoue, RapportDuReleve(contenu)) << "the report its writer recorded in it, speed included";
  EXPECT_EQ(SansVitesse(rejoue), SansVitesse(Lire(dossier + L"\\r1.txt").value_or("")));
  // Only what the probes read: no user or computer name.
  wchar_t utilisateur[256] = {};
  DWORD n = 256;
  GetUserNameW(utilisateur, &n);
  std::string nom(utilisateur, utilisateur + wcslen(utilisateur));
  EXPECT_EQ(contenu.find(nom), std::string::npos) << nom;
}

TEST_F(Releve, UnAutreProcesseurSeRejoueSousSonNom) {
  // A Pentium 4 (Northwood)'s brand leaves in place of this machine's (libcpuid's dump
  // tests/intel/ia-32/netburst/northwood-pentium.test).
  std::string autre = std::regex_replace(contenu, std::regex("cpuid 8000000[0234]:[^\n]*\n"), "");
  autre +=
      "cpuid 80000000: 80000004 00000000 00000000 00000000\n"
      "cpuid 80000002: 20202020 20202020 20202020 6E492020\n"
      "cpuid 80000003: 286C6574 50202952 69746E65 52286D75\n"
      "cpuid 80000004: 20342029 20555043 36362E32 007A4847\n";
  ASSERT_TRUE(fichiers::Ecrire(dossier + L"\\p4.txt", autre));
  Processus p(rejeu, SW_SHOWNORMAL, {}, L"/rejouer \"" + dossier + L"\\p4.txt\"");
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_EQ(Texte(Controle(fiche, "LblCPU")), L"              Intel(R) Pentium(R) 4 CPU 2.66GHz");
  EXPECT_EQ(Texte(Controle(fiche, "StatusBar")), L"Relevé rejoué : p4.txt");
  EXPECT_EQ(p.Dialogue(L"Attention !", 500), nullptr) << "no warning: nothing was asked of this machine";
}

TEST_F(Releve, UnFichierQuiNEnEstPasUnEstRefuse) {
  // A later format's: the player is told to update.
  ASSERT_TRUE(fichiers::Ecrire(dossier + L"\\faux.txt", "Quorvane relev\xC3\xA9 2\n"));
  const std::string message =
      "Relev\xC3\xA9 illisible : faux.txt : ce relev\xC3\xA9 est au format 2, cette version de Quorvane lit le format "
      "1 "
      "; mettez Quorvane \xC3\xA0 jour.";
  const Execution x = Executer(rejeu, L"/rejouer \"" + dossier + L"\\faux.txt\" /rapport \"" + dossier + L"\\r.txt\"");
  EXPECT_EQ(x.code, 1);
  EXPECT_EQ(x.erreurs.rfind(message, 0), 0u) << x.erreurs;
  EXPECT_FALSE(Lire(dossier + L"\\r.txt")) << "no report written";
  // In the window's mode too: the message, then no window.
  Processus p(rejeu, SW_SHOWNORMAL, {}, L"/rejouer \"" + dossier + L"\\faux.txt\"", nullptr, nullptr, true);
  HWND boite = p.Dialogue(L"Lecture de configuration");
  ASSERT_NE(boite, nullptr);
  EXPECT_EQ(pilote::Message(boite).rfind(L"Relevé illisible : faux.txt : ce relevé est au format 2, ", 0), 0u);
  pilote::Cliquer(pilote::Bouton(boite, IDOK));
  EXPECT_EQ(p.AttendreFin(10000), 1);
  EXPECT_TRUE(pilote::Fenetres(L"TFichePrinc").empty());
}

TEST_F(Releve, UneReponseDUneVersionPlusRecenteEstLueSansElle) {
  ASSERT_TRUE(fichiers::Ecrire(dossier + L"\\futur.txt", contenu + "ReponseFuture: 1\r\n"));
  const Execution x = Executer(rejeu, L"/rejouer \"" + dossier + L"\\futur.txt\" /rapport \"" + dossier + L"\\r.txt\"");
  EXPECT_EQ(x.code, 0);
  EXPECT_NE(x.erreurs.find("futur.txt, ligne "), std::string::npos) << x.erreurs;
  EXPECT_NE(x.erreurs.find("ReponseFuture"), std::string::npos) << x.erreurs;
  EXPECT_EQ(Lire(dossier + L"\\r.txt").value_or(""), RapportDuReleve(contenu));
  Processus p(rejeu, SW_SHOWNORMAL, {}, L"/rejouer \"" + dossier + L"\\futur.txt\"");
  HWND fiche = p.Fenetre(L"TFichePrinc");
  ASSERT_NE(fiche, nullptr);
  EXPECT_EQ(Texte(Controle(fiche, "StatusBar")),
            L"Relevé rejoué : futur.txt (réponses d'une version plus récente lues sans elles : 1)");
}

// The JSON report for a file named so, in any case: a corpus machine's replay gives the very bytes the
// native decode gives, whatever this system's code page; this machine's run gives one too.
TEST(RapportJson, UnReleveDuCorpusRedonneSonRapportJson) {
  const std::wstring dossier = fichiers::DossierVide(L"quorvane-json"), exe = pilote::Copie(L"Q_json.exe");
  for (const wchar_t* machine : {L"/15-wine8-linux-core-i7-2600k", L"/36-win11-i9-12900k-ecran-virtuel-en-premier"}) {
    const std::wstring releve = std::wstring(QUORVANE_RELEVES) + machine;
    const Execution x = Executer(exe, L"/rejouer \"" + releve + L".txt\" /rapport \"" + dossier + L"\\r.JSON\"");
    EXPECT_EQ(x.code, 0) << x.erreurs;
    EXPECT_EQ(Lire(dossier + L"\\r.JSON"), Lire(releve + L".json"));
  }
  const Execution ici = Executer(exe, L"/rapport \"" + dossier + L"\\ici.json\"");
  EXPECT_EQ(ici.code, 0) << ici.erreurs;
  EXPECT_EQ(Lire(dossier + L"\\ici.json").value_or("").rfind("{\n  \"format\": \"quorvane-rapport\",\n", 0), 0u)
      << "UTF-8 without a BOM";
}

}  // namespace
