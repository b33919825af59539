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

TEST(InstanceEnCours, SelonLaReponseDeCreateMutex) {
  struct Cas {
    const char* quoi;
    bool poignee;
    uint32_t erreur;
    bool enCours;
  };
  const Cas cas[] = {
      {"a new mutex", true, 0, false},
      {"the mutex existed", true, 183, true},                            // ERROR_ALREADY_EXISTS
      {"made by an elevated instance: access refused", false, 5, true},  // ERROR_ACCESS_DENIED
      {"the name belongs to another kind of object", false, 6, false},   // ERROR_INVALID_HANDLE
      {"no handle, whatever the last error says", false, 183, false},
  };
  for (const Cas& c : cas) EXPECT_EQ(appli::InstanceEnCours(c.poignee, c.erreur), c.enCours) << c.quoi;
}

}  // namespace
