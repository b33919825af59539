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
      {"a\xFF"
       "b\xED\xA0\x80",
       "\"a\xEF\xBF\xBD"
       "b\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // no UTF-8: U+FFFD
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(bilan::json::Chaine(c.texte), c.attendu);
    EXPECT_NO_THROW(nlohmann::json::parse(bilan::json::Chaine(c.texte))) << c.attendu;
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
