#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "probes/VideoRules.h"

namespace {

using namespace std::string_view_literals;

TEST(MemoireVideoSelonTexte, FormesDuFournisseurEtTextesRefuses) {
  struct Cas {
    std::string_view texte;
    int32_t attendu;
  };
  const Cas cas[] = {
      {"64.0 MB", 64},
      {"1024.0 MB", 1024},
      {"64.5 MB", 64},
      {"8072 MB", 8072},
      {"4289.7 MB", 4289},
      {"12345", 12345},
      {"abc.0 MB", 0},
      {"", 0},
      {std::string_view{}, 0},  // no data at all
      {"99999999999 MB", 0},
      {"2147483647 MB", 2147483647},
      {"2147483648 MB", 0},
      {"21474836470 MB", 0},            // the 32-bit maximum followed by one more digit
      {"00000000000000000064 MB", 64},  // leading zeros are not an overflow
      {"   128.0 MB  ", 128},
      {"\t256\t", 256},
      {"64.0MB", 64},
      {"64 MB ", 64},
      {"0 MB", 0},
      {"64.", 0},
      {".5 MB", 0},
      {"64.0.0 MB", 0},
      {"64 GB", 0},
      {"64 MBx", 0},
      {"64 MB MB", 0},
      {"-64 MB", 0},
      {"+64 MB", 0},
      {"0x40", 0},
      {"$40", 0},
      {"64 mb", 0},
      {"MB", 0},
      {"   ", 0},
      {"1 2 MB", 0},
      {"6:4 MB", 0},  // ':' follows '9' but is no digit
      {"64\n", 0},
      {"64\0 MB"sv, 0},  // a text cut short by a zero is not a number followed by nothing
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::MemoireVideoSelonTexte(c.texte), c.attendu) << '"' << c.texte << '"';
}

TEST(MemoireVideoSelonTexte, TextesDeRapportsDxDiagReels) {
  struct Cas {
    const char* texte;
    int32_t attendu;
  };
  // "Display Memory" lines of DxDiag reports pasted in public threads.
  const Cas cas[] = {
      // Ubuntu Forums, "Ubuntu 7.10 cannot install on HP Pavillion n5210", 2008-03-14: S3 Savage/IX, XP SP2
      {"4.0 MB", 4},
      // Ubuntu Forums, "Making a boot floppy", 2008-04-02: SiS M760GX, XP SP2; the pasted line ends in a blank
      {"64.0 MB ", 64},
      // Ubuntu Forums, "Installation freezes on HP Server", 2009-07-27: Matrox G200e, Server 2003 x64
      {"n/a", 0},
      // blawar/ooot issue #312: Intel 82945G Express
      {"256 MB", 256},
      // rcmaehl/WhyNotWin11 issue #58: Intel HD Graphics P630
      {"16413 MB", 16413},
      // Dark-Basic-Software-Limited/GameGuruRepo issue #1649: AMD Radeon R9 200 Series
      {"20422 MB", 20422},
      // Dark-Basic-Software-Limited/GameGuruRepo issue #6273: NVIDIA GeForce RTX 4060
      {"24247 MB", 24247},
  };
  for (const Cas& c : cas) EXPECT_EQ(sondes::MemoireVideoSelonTexte(c.texte), c.attendu) << '"' << c.texte << '"';
}

TEST(Is3DSelon, ToutBooleenNonNulEstVrai) {
  EXPECT_EQ(sondes::Is3DSelon(-1), 1);
  EXPECT_EQ(sondes::Is3DSelon(0), 0);
  EXPECT_EQ(sondes::Is3DSelon(1), 1);
  EXPECT_EQ(sondes::Is3DSelon(256), 1);  // a low byte of zero is still true
  EXPECT_EQ(sondes::Is3DSelon(INT16_MIN), 1);
}

TEST(TexteVersion, FournisseurEtFichiers) {
  EXPECT_EQ(sondes::TexteVersionFournisseur(9, 0, "c"), "9.0c");
  EXPECT_EQ(sondes::TexteVersionFournisseur(12, 1, ""), "12.1");
  EXPECT_EQ(sondes::TexteVersionFournisseur(0, 0, " "), "0.0 ");
  EXPECT_EQ(sondes::TexteVersionFournisseur(4294967295u, 10, "b"), "4294967295.10b");  // unsigned

  struct Cas {
    uint32_t majeur, mineur;
    char lettre;
    const char* attendu;
  };
  const Cas cas[] = {
      {9, 0, ' ', "9.0  et/ou +"}, {8, 1, 'b', "8.1b et/ou +"}, {8, 1, 'a', "8.1a et/ou +"},
      {6, 1, ' ', "6.1  et/ou +"}, {0, 0, ' ', "0.0 "},         {8, 2, ' ', "8.2  et/ou +"},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(sondes::TexteVersionFichiers(c.majeur, c.mineur, c.lettre), c.attendu) << c.majeur << "." << c.mineur;
}

TEST(ProfondeurCouleur, ProduitSur16BitsDontLes8BitsBas) {
  struct Cas {
    int plans, bits;
    uint8_t attendu;
  };
  const Cas cas[] = {
      {1, 32, 32},     {4, 1, 4},  {1, 256, 0}, {8, 32, 0},  {1, 24, 24},   {3, 8, 24},
      {1, 16, 16},     {0, 32, 0}, {1, 0, 0},   {1, 257, 1}, {2, 200, 144},  // 400 = 0x190
      {256, 256, 0},                                                         // 65536 leaves 16 bits as 0
      {0x10001, 3, 3},                                                       // each count taken in 16 bits
  };
  for (const Cas& c : cas)
    EXPECT_EQ(sondes::ProfondeurCouleur(c.plans, c.bits), c.attendu) << c.plans << " x " << c.bits;
}

}  // namespace
