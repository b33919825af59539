#include <gtest/gtest.h>

#include "app/InstanceRules.h"

namespace {

TEST(NomMutexInstance, NomDeFichierEnMajuscules) {
  struct Cas {
    const char* chemin;
    const char* nom;
  };
  const Cas cas[] = {
      {"C:\\Program Files\\Quorvane\\Config.exe", "CONFIG.EXE"},
      {"D:\\autre\\dossier\\config.EXE", "CONFIG.EXE"},  // another folder, another case: the same program
      {"C:\\Quorvane\\Quorvane2.exe", "QUORVANE2.EXE"},  // another file name: another instance
      {"C:Config.exe", "CONFIG.EXE"},                    // the drive's colon also ends the folder part
      {"\\\\serveur\\partage\\Q.exe", "Q.EXE"},
      {"Config.exe", "CONFIG.EXE"},
      {"C:\\Jeux\\", ""},
      {"C:\\Jeux\\r\xE9sum\xE9.exe", "R\xE9SUM\xE9.EXE"},  // bytes above ASCII stay as they are
      {"C:\\a/b.exe", "A/B.EXE"},                          // only '\' and ':' separate
      {"C:\\Jeux\\`az{@AZ[.exe", "`AZ{@AZ[.EXE"},          // a-z end where they do: '`' and '{' stay
  };
  for (const Cas& c : cas) EXPECT_EQ(appli::NomMutexInstance(c.chemin), c.nom) << c.chemin;
}

TEST(InstanceEnCours, SelonLaReponseDeCreateMutexEtLaFenetre) {
  struct Cas {
    const char* quoi;
    bool poignee;
    uint32_t erreur;
    bool possible;  // the window is looked for
    bool fenetre;   // the running instance's window is found
    bool enCours;
  };
  const Cas cas[] = {
      {"a new mutex", true, 0, false, false, false},
      {"the mutex existed", true, 183, true, true, true},  // ERROR_ALREADY_EXISTS
      {"the mutex existed, its instance still before its window", true, 183, true, false, true},
      {"refused to this process: an elevated instance's window found", false, 5, true, true, true},
      {"refused, no window: another program's mutex, or a hung instance", false, 5, true, false, false},
      {"the name belongs to another kind of object", false, 6, false, false, false},  // ERROR_INVALID_HANDLE
      {"no handle, whatever the last error says", false, 183, false, true, false},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(appli::InstancePossible(c.poignee, c.erreur), c.possible) << c.quoi;
    EXPECT_EQ(appli::InstanceEnCours(c.poignee, c.erreur, c.fenetre), c.enCours) << c.quoi;
  }
}

}  // namespace
