#include <gtest/gtest.h>

#include "FichiersDocumentes.h"
#include "assess/Lecture.h"
#include "base/Exception.h"

namespace {

// A file read as the save writes it, on the documented file system, 16 bytes asked for.
TEST(Lecture, CommeLEnregistrementEcrit) {
  const std::wstring limite = L"C:\\" + std::wstring(251, L'd') + L"\\r.txt";  // 260 characters: too long as it is
  const std::wstring profond = L"C:\\" + std::wstring(300, L'd') + L"\\releve.txt";
  std::map<std::wstring, FichiersDocumentes::Fichier> disque;
  disque[L"C:\\Jeux\\releve.txt"].contenu = "Quorvane relev\xC3\xA9";
  disque[limite].contenu = "limite";
  disque[profond].contenu = "profond";
  disque[L"C:\\Jeux\\gros.txt"].contenu = std::string(40, 'g');
  disque[L"C:\\Jeux\\nul.txt"].contenu = "un fichier";
  struct Cas {
    const char* quoi;
    std::wstring chemin;
    bool windows11;
    std::string octets;
    std::wstring message;  // empty: read
  };
  const Cas cas[] = {
      {"a short path", L"C:\\Jeux\\releve.txt", false, "Quorvane relev\xC3\xA9", L""},
      {"a path of MAX_PATH characters", limite, false, "limite", L""},
      {"a path far past MAX_PATH", profond, false, "profond", L""},
      {"a file longer than asked: one byte more", L"C:\\Jeux\\gros.txt", false, std::string(17, 'g'), L""},
      {"a missing file", L"C:\\Jeux\\absent.txt", false, "", L"Impossible d'ouvrir le fichier C:\\Jeux\\absent.txt"},
      {"a reserved name that the system makes a device", L"C:\\Jeux\\nul.txt", false, "",
       L"« nul.txt » est un nom réservé de Windows ; choisissez-en un autre"},
      {"a reserved name that Windows 11 leaves a file", L"C:\\Jeux\\nul.txt", true, "un fichier", L""},
  };
  for (const Cas& c : cas) {
    FichiersDocumentes f;
    f.windows11 = c.windows11;
    f.fichiers = disque;
    std::string octets;
    std::wstring message;
    try {
      octets = bilan::LireFichier(c.chemin, 16, f);
    } catch (const base::Exception& e) {
      message = e.Message();
    }
    EXPECT_EQ(octets, c.octets) << c.quoi;
    EXPECT_EQ(message, c.message) << c.quoi;
    EXPECT_EQ(f.Ouverts(), 0u) << c.quoi;
  }
  // The long form is what reaches them: as they are, the file system refuses both paths.
  FichiersDocumentes f;
  f.fichiers = disque;
  bilan::Poignee h = nullptr;
  for (const std::wstring& chemin : {limite, profond})
    EXPECT_EQ(f.CreateFileW(chemin, bilan::kAccesLecture, 0, bilan::kOuvrirExistant, 0, h),
              bilan::kErreurCheminIntrouvable);
}

}  // namespace
