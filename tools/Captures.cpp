// Writes one PNG per tab of the main window, one of the CPU verdict's hint and one of the about box (or the
// window as it comes up), for review:
//   quorvane_captures.exe FOLDER [--seule]
// --seule writes only the window as it first shows, to FOLDER\quorvane.png.
#include <objbase.h>

#include <cstdio>
#include <string>

#include "Pilote.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fwprintf(stderr, L"usage: quorvane_captures FOLDER [--seule]\n");
    return 2;
  }
  CoInitialize(nullptr);
  const std::wstring dossier = argv[1];
  const bool seule = argc > 2 && std::wstring(argv[2]) == L"--seule";
  CreateDirectoryW(dossier.c_str(), nullptr);

  pilote::Processus quorvane(pilote::Copie(L"Quorvane.exe"));
  HWND fiche = quorvane.Fenetre(L"TFichePrinc");
  if (!fiche) {
    std::fwprintf(stderr, L"the main window did not come up\n");
    return 1;
  }
  Sleep(500);  // the first paint
  int ecrits = 0;
  auto capturer = [&](const std::wstring& nom, HWND fenetre) {
    const std::wstring fichier = dossier + L"\\" + nom + L".png";
    if (pilote::Capturer(fenetre, fichier)) {
      std::wprintf(L"%ls\n", fichier.c_str());
      ++ecrits;
    }
  };
  if (seule) {
    capturer(L"quorvane", fiche);
    return ecrits == 1 ? 0 : 1;
  }
  const wchar_t* noms[] = {L"onglet-1-cpu", L"onglet-2-memoire", L"onglet-3-graphiques", L"onglet-4-os",
                           L"onglet-5-directx"};
  HWND onglets = pilote::Controle(fiche, "Tabs");
  for (int i = 0; i < 5; ++i) {
    pilote::CliquerOnglet(onglets, i);
    capturer(noms[i], fiche);
  }
  // The mouse resting on the CPU comment: the window with its hint, which stays within the window's frame.
  pilote::CliquerOnglet(onglets, 0);
  POINT point{8, 6};
  ClientToScreen(pilote::Controle(fiche, "LblCmtCPU"), &point);
  SetCursorPos(point.x, point.y);
  if (quorvane.Fenetre(L"tooltips_class32", 5000)) {
    Sleep(300);
    capturer(L"bulle-cpu", fiche);
  }
  SetCursorPos(0, 0);
  pilote::Cliquer(pilote::Controle(fiche, "LMDMMButton2"));
  if (HWND boite = quorvane.Fenetre(L"TAboutBox", 10000)) {
    Sleep(300);
    capturer(L"a-propos", boite);
    PostMessageW(boite, WM_CLOSE, 0, 0);
  }
  return ecrits == 7 ? 0 : 1;
}
