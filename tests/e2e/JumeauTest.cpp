// The console twin opened from Explorer, which gives a console program a console of its own, and started with a
// show command.
#include <gtest/gtest.h>

#include "Fichiers.h"
#include "Pilote.h"

namespace {

// Alone on its console, Quorvane.com lets it go before it starts Quorvane.exe, which then has no console to
// write to, as when Explorer starts it: its usage, or its error, in a box. The twin still returns the
// program's exit code.
TEST(Jumeau, OuvertDepuisLExplorateurIlNeGardePasSaConsole) {
  const std::wstring dossier = fichiers::DossierVide(L"quorvane-explorateur"), jumeau = dossier + L"\\Quorvane.com";
  for (const wchar_t* nom : {L"Quorvane.exe", L"Quorvane.com"})
    ASSERT_TRUE(CopyFileW((pilote::DossierDesTests() + L"\\" + nom).c_str(), (dossier + L"\\" + nom).c_str(), FALSE));
  struct Cas {
    std::wstring arguments, message;  // the box's first line
    DWORD code;
  };
  const Cas cas[] = {
      {L"/?", L"Quorvane : lecture de configuration.", 0},
      {L"/rapport absent\\r.txt", L"Impossible de créer le fichier " + dossier + L"\\absent\\r.txt.", 1},
  };
  for (const Cas& c : cas) {
    std::wstring ligne = L"\"" + jumeau + L"\" " + c.arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(jumeau.c_str(), ligne.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                               dossier.c_str(), &si, &pi));
    CloseHandle(pi.hThread);
    const base::Handle processus(pi.hProcess);
    HWND boite = nullptr;
    ASSERT_TRUE(pilote::Attendre(
        [&] { return (boite = FindWindowW(L"#32770", L"Lecture de configuration")) && IsWindowVisible(boite); }, 60000))
        << c.arguments;
    const std::wstring message = pilote::Message(boite);
    EXPECT_EQ(message.substr(0, message.find(L'\r')), c.message);
    pilote::Cliquer(pilote::Bouton(boite, IDOK));
    ASSERT_EQ(WaitForSingleObject(processus.get(), 10000), WAIT_OBJECT_0) << c.arguments;
    DWORD code = 2;
    GetExitCodeProcess(processus.get(), &code);
    EXPECT_EQ(code, c.code) << c.arguments;
  }
}

// "start /min Quorvane" at a prompt starts the twin minimised: the window is minimised and inspects at its first
// restore, as when Quorvane.exe itself starts minimised. A hidden start is not passed on: the window shows.
TEST(Jumeau, IlTransmetUnAffichageVisible) {
  const std::wstring dossier = fichiers::DossierVide(L"quorvane-jumeau-affichage");
  for (const wchar_t* nom : {L"Quorvane.exe", L"Quorvane.com"})
    ASSERT_TRUE(CopyFileW((pilote::DossierDesTests() + L"\\" + nom).c_str(), (dossier + L"\\" + nom).c_str(), FALSE));
  const std::wstring kReussite = L"Détection du matériel effectuée avec succès !";
  for (const int affichage : {SW_SHOWMINNOACTIVE, SW_HIDE}) {
    SCOPED_TRACE(affichage);
    pilote::Processus jumeau(dossier + L"\\Quorvane.com", affichage);
    HWND fiche = nullptr;
    ASSERT_TRUE(pilote::Attendre(
        [&] {
          for (HWND h : pilote::Fenetres(L"TFichePrinc"))
            if (IsWindowVisible(h)) fiche = h;
          return fiche != nullptr;
        },
        20000));
    const auto statut = [&] { return pilote::Texte(pilote::Controle(fiche, "StatusBar")); };
    if (affichage == SW_SHOWMINNOACTIVE) {
      EXPECT_TRUE(IsIconic(fiche));
      EXPECT_EQ(statut(), L"") << "not inspected yet";
      ShowWindow(fiche, SW_RESTORE);
    }
    EXPECT_TRUE(pilote::Attendre([&] { return statut() == kReussite; }, 10000));
    EXPECT_FALSE(IsIconic(fiche));
    PostMessageW(fiche, WM_CLOSE, 0, 0);
    EXPECT_EQ(jumeau.AttendreFin(10000), 0) << "the twin returns the window's exit code";
  }
}

}  // namespace
