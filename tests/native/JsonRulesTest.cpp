// The JSON writer's texts: what JSON requires escaped is, UTF-8 passes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "assess/JsonRules.h"

namespace {

TEST(Json, LesTextesSontDesChainesJsonValides) {
  struct Cas {
    std::string texte, attendu;
  };
  const Cas cas[] = {
      {"", R"("")"},
      {R"(a"b\c)", R"("a\"b\\c")"},
      {std::string("\x01\n\x1F\x7F", 4), R"("\u0001\u000a\u001f)"
                                         "\x7F\""},
      {"é€😀", "\"é€😀\""},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(bilan::json::Chaine(c.texte), c.attendu);
    EXPECT_EQ(nlohmann::json::parse(bilan::json::Chaine(c.texte)).get<std::string>(), c.texte);
  }
}

TEST(Json, UnNulDitPourquoiDansSonObjet) {
  bilan::json::Objet o;
  o.Nombre("a", 1).Nul("b", "GetProp x absent").Nul("c", "GlobalMemoryStatusEx 0");
  const auto j = nlohmann::json::parse(o.Ecrire());
  EXPECT_TRUE(j["b"].is_null());
  EXPECT_EQ(j["raison"], "b : GetProp x absent ; c : GlobalMemoryStatusEx 0");
}

}  // namespace
