// The JSON writer's texts: what JSON requires escaped is, UTF-8 passes, wide text becomes UTF-8.
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

TEST(Json, LeTexteLargeEnUtf8) {
  struct Cas {
    std::wstring large;
    std::string utf8;
  };
  const Cas cas[] = {
      {L"MÉMOIRE", "MÉMOIRE"},
      {std::wstring{wchar_t(0x20AC)}, "€"},
      {L"😀", "😀"},  // a surrogate pair where wchar_t is 16 bits
      {std::wstring{wchar_t(0xD800), L'a'},
       "\xEF\xBF\xBD"
       "a"},  // a lone surrogate
  };
  for (const Cas& c : cas) EXPECT_EQ(bilan::json::Utf8(c.large), c.utf8);
}

TEST(Json, UnNulDitPourquoiDansSonObjet) {
  bilan::json::Objet o;
  o.Nombre("a", 1).Nul("b", "GetProp x absent").Nul("c", "GlobalMemoryStatusEx 0");
  const auto j = nlohmann::json::parse(o.Ecrire());
  EXPECT_TRUE(j["b"].is_null());
  EXPECT_EQ(j["raison"], "b : GetProp x absent ; c : GlobalMemoryStatusEx 0");
}

}  // namespace
