#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui/PictureRules.h"

namespace {

using Pixel = std::array<int, 4>;  // blue, green, red, alpha

std::vector<std::uint8_t> Octets(const std::vector<Pixel>& pixels) {
  std::vector<std::uint8_t> bytes;
  for (const Pixel& p : pixels)
    for (int c : p) bytes.push_back(static_cast<std::uint8_t>(c));
  return bytes;
}

// A 4 x 4 picture: blue rises across (0, 40, 80, 120), green down (0, 80, 160, 240), opaque.
std::vector<Pixel> Degrade() {
  std::vector<Pixel> p;
  for (int g : {0, 80, 160, 240})
    for (int b : {0, 40, 80, 120}) p.push_back({b, g, 0, 255});
  return p;
}

// `count` pixels: `first`, then transparent black.
std::vector<Pixel> UnPuisNoir(Pixel first, int count) {
  std::vector<Pixel> p(count, Pixel{});
  p[0] = first;
  return p;
}

TEST(ResizeStrip, ChaquePixelEstLaMoyenneDeLaSurfaceQuIlCouvre) {
  struct Cas {
    const char* nom;
    int largeur, hauteur, images;  // source
    std::vector<Pixel> source;
    int versLargeur, versHauteur;  // each image
    std::vector<Pixel> attendu;
  };
  // 4 -> 3: target pixels cover source 0 and a third of 1, two thirds of 1 and of 2, a third of 2 and 3.
  // clang-format off
  const Cas cas[] = {
      {"4 x 4 -> 3 x 3", 4, 4, 1, Degrade(), 3, 3,
       {{10, 20, 0, 255},  {60, 20, 0, 255},  {110, 20, 0, 255},
        {10, 120, 0, 255}, {60, 120, 0, 255}, {110, 120, 0, 255},
        {10, 220, 0, 255}, {60, 220, 0, 255}, {110, 220, 0, 255}}},
      // Opaque white beside transparency: half-transparent white, still premultiplied.
      {"alpha edge", 2, 1, 1, {{255, 255, 255, 255}, {0, 0, 0, 0}}, 1, 1, {{128, 128, 128, 128}}},
      // Enlarging: each target pixel still the mean of what it covers, blended only where it straddles.
      {"2 -> 3", 2, 1, 1, {{0, 0, 0, 255}, {255, 255, 255, 255}}, 3, 1,
       {{0, 0, 0, 255}, {128, 128, 128, 255}, {255, 255, 255, 255}}},
      {"3 images, 2 -> 1 each", 6, 1, 3,
       {{0, 0, 0, 255}, {0, 0, 0, 255}, {90, 0, 0, 255}, {90, 0, 0, 255}, {0, 0, 200, 200}, {0, 0, 200, 200}}, 1, 1,
       {{0, 0, 0, 255}, {90, 0, 0, 255}, {0, 0, 200, 200}}},
      // 25 / 49 = 0.51 rounds to 1, and so on: 49 has no exact floating inverse, 49 x (1 / 49) falls short of 1.
      {"7 x 7 -> 1 x 1", 7, 7, 1, UnPuisNoir({25, 74, 123, 172}, 49), 1, 1, {{1, 2, 3, 4}}},
      // Bad sizes: nothing, rather than a throw or a read outside the source.
      {"width -1", 1, 1, 1, {{255, 255, 255, 255}}, -1, 1, {}},
      {"2 images in 1 pixel", 1, 1, 2, {{255, 255, 255, 255}}, 1, 1, {}},
  };
  // clang-format on
  for (const Cas& c : cas) {
    const std::vector<std::uint8_t> source = Octets(c.source);
    const ui::PixelView vue{source.data(), c.largeur, c.hauteur, static_cast<std::size_t>(c.largeur) * 4};
    EXPECT_EQ(ui::ResizeStrip(vue, c.images, c.versLargeur, c.versHauteur), Octets(c.attendu)) << c.nom;
  }
}

}  // namespace
