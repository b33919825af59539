#pragma once
// The fields of a relevé's lines (ReleveRules.h): as the writer spells them, and as the reader takes them
// back, any byte of a text included.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sondes::releve {

// Inside the quotes: `\"`, `\\`, and `\xHH` for control bytes and bytes of no valid UTF-8 sequence.
std::string Echapper(std::string_view texte);
std::string Texte(std::string_view texte);  // quoted
std::string Hex(uint32_t valeur, size_t chiffres);
std::string Version(const std::optional<uint64_t>& version);  // p1.p2.p3.p4, or `aucune`

// The whole of `texte` as an integer; false on a sign the type lacks, junk or overflow.
template <class T>
bool Nombre(std::string_view texte, T& valeur, int base = 10) {
  const auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur, base);
  return ec == std::errc{} && fin == texte.data() + texte.size();
}

// A line's fields after its key: those before the colon name the answer (a leaf, a path), the rest are
// its values. Each reader takes the next field and is false when it is not of the expected form.
class Champs {
 public:
  // False unless the colon follows the key or a field directly, each field follows blanks, and each
  // quoted text is well formed.
  bool Decouper(std::string_view ligne, size_t debut);
  bool Tete() const { return i_ == deuxPoints_; }  // at the colon
  bool Fin() const { return i_ == jetons_.size(); }
  bool Texte(std::string& v);
  bool Dec(auto& v) {
    const std::string* t = Nu();
    return t && Nombre(*t, v);
  }
  bool Hex(auto& v, size_t chiffres) {
    const std::string* t = Nu();
    return t && t->size() == chiffres && Nombre(*t, v, 16);
  }
  bool Hr(int32_t& v);  // 8 hex digits, the bits of the HRESULT
  bool Bool(bool& v);   // 1 or 0
  bool Version(std::optional<uint64_t>& v);

 private:
  struct Jeton {
    std::string texte;
    bool guillemets = false;
  };
  const std::string* Nu();  // the next unquoted field

  std::vector<Jeton> jetons_;
  size_t deuxPoints_ = std::string_view::npos, i_ = 0;
};

}  // namespace sondes::releve
