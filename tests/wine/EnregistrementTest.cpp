// The safe save on real files under Wine, one row per route of its table (assess/Enregistrement.h); every
// situation of the table runs natively on the documented file system (tests/native/EnregistrementRulesTest.cpp).
#include <gtest/gtest.h>

#include <optional>

#include "assess/Enregistrement.h"
#include "assess/FichiersWindows.h"
#include "base/Exception.h"
#include "ui/Win.h"

namespace {

const std::string kNouveau = "\r\nCPU              : x\r\n";

// The real file system, but no file can be created under one kind of name: the temporary files' (a folder
// that refuses new files, which Wine, run as root, cannot show), or the others' (so that only a rename through
// a handle can make the target).
class Refus : public bilan::FichiersWindows {
 public:
  explicit Refus(bool temporaires, bool avantVista = false) : FichiersWindows(avantVista), temporaires_(temporaires) {}
  bilan::Erreur CreateFileW(const std::wstring& chemin, uint32_t acces, uint32_t partage, uint32_t creation,
                            uint32_t options, bilan::Poignee& fichier) override {
    fichier = nullptr;
    if (creation == bilan::kCreerNouveau && (chemin.find(L"~qv") != std::wstring::npos) == temporaires_)
      return bilan::kErreurAccesRefuse;
    return FichiersWindows::CreateFileW(chemin, acces, partage, creation, options, fichier);
  }

 private:
  bool temporaires_;
};

// The file's size and its first bytes.
std::pair<uint64_t, std::string> Lire(const std::wstring& chemin) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  LARGE_INTEGER taille{};
  if (!f || !GetFileSizeEx(f.get(), &taille)) return {};
  std::string octets(4096, '\0');
  DWORD lus = 0;
  ReadFile(f.get(), octets.data(), static_cast<DWORD>(octets.size()), &lus, nullptr);
  octets.resize(lus);
  return {static_cast<uint64_t>(taille.QuadPart), octets};
}

void Ecrire(const std::wstring& chemin, const std::string& octets) {
  base::Handle f(CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD ecrits = 0;
  WriteFile(f.get(), octets.data(), static_cast<DWORD>(octets.size()), &ecrits, nullptr);
}

// The folder's names, emptied first when `vider`.
std::vector<std::wstring> Noms(const std::wstring& dossier, bool vider = false) {
  std::vector<std::wstring> noms;
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((dossier + L"\\*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return noms;
  do {
    const std::wstring nom = d.cFileName;
    if (nom == L"." || nom == L"..") continue;
    if (!vider || !DeleteFileW((dossier + L"\\" + nom).c_str())) noms.push_back(nom);
  } while (FindNextFileW(h, &d));
  FindClose(h);
  return noms;
}

TEST(Enregistrement, ChaqueRouteSurDeVraisFichiers) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // A folder named outside the ANSI code page.
  const std::wstring dossier = std::wstring(temp) + L"quorvane-enregistrement Ελληνικά 日本", r = dossier + L"\\r.txt";
  CreateDirectoryW(dossier.c_str(), nullptr);
  Refus sansTemporaire(true), sansCible(false), sansCibleXp(false, true);
  bilan::FichiersWindows xp(true);
  struct Cas {
    const char* route;
    std::optional<std::string> avant;  // the target's bytes before; none: a new target
    bilan::Fichiers& fichiers;
  };
  const Cas cas[] = {
      {"new: the temporary file renamed through its handle", std::nullopt, sansCible},
      {"replace: ReplaceFileW over an older, longer file", "l'ancien rapport, plus long que le nouveau\r\n",
       bilan::FichiersDuSysteme()},
      {"direct: a new target without a temporary file", std::nullopt, sansTemporaire},
      {"in place: an existing target without a temporary file", "l'ancien rapport\r\n", sansTemporaire},
      {"plain write: a target of 64 MiB without a temporary file", std::string(64 << 20, 'g'), sansTemporaire},
      // Windows 2000 and XP: NtSetInformationFile for the rename (the only way to the target here), ReplaceFileW
      // without the flag that Vista added.
      {"new, before Vista: renamed through NtSetInformationFile", std::nullopt, sansCibleXp},
      {"replace, before Vista", "l'ancien rapport\r\n", xp},
  };
  for (const Cas& c : cas) {
    ASSERT_TRUE(Noms(dossier, true).empty());
    if (c.avant) Ecrire(r, *c.avant);
    std::wstring message;
    try {
      bilan::EnregistrerSansPerte(r, kNouveau, c.fichiers);
    } catch (const base::Exception& e) {
      message = e.Message();
    }
    EXPECT_EQ(message, L"") << c.route;
    EXPECT_EQ(Lire(r), std::make_pair(uint64_t{kNouveau.size()}, kNouveau)) << c.route;
    EXPECT_EQ(Noms(dossier), std::vector<std::wstring>{L"r.txt"}) << c.route << ": no temporary file left";
  }
  Noms(dossier, true);
  RemoveDirectoryW(dossier.c_str());
}

}  // namespace
