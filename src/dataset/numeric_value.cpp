#include "dataset/numeric_value.hpp"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace kv884 {

namespace {

bool ignored(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n';
}
bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Digits and the ignored characters only, the form of every sound numeric field: read
// directly. Up to 15 digits the value is exact either way.
std::optional<double> plainDigitsValue(std::u16string_view field) {
  constexpr int kExactDigits = 15;
  int64_t value = 0;
  int digits = 0;
  for (char16_t c : field) {
    if (ignored(c)) continue;
    if (!isDigit(c) || ++digits > kExactDigits) return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return static_cast<double>(value);
}

}  // namespace

double numericValue(std::u16string_view field) {
  if (std::optional<double> value = plainDigitsValue(field)) return *value;

  // The field without the ignored characters, in ASCII ("D" marks an exponent as "E" does, any
  // other character ends the number), read by from_chars, which knows no locale.
  std::string s;
  for (char16_t c : field)
    if (!ignored(c)) s += c == u'D' || c == u'd' ? 'e' : c < 0x80 ? static_cast<char>(c) : '?';
  const size_t start = !s.empty() && (s[0] == u'+' || s[0] == u'-') ? 1 : 0;
  // A number goes on with a digit or a point: never a second sign, "inf" or "nan".
  if (start == s.size() || !(isDigit(s[start]) || s[start] == '.')) return 0.0;
  double value = 0.0;
  if (std::from_chars(s.data() + start, s.data() + s.size(), value).ec != std::errc()) return 0.0;
  return s[0] == '-' ? -value : value;
}

}  // namespace kv884
