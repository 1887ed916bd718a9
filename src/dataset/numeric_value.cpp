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

// Appends the run of digits at s[i] to out; returns whether there was one.
bool takeDigits(std::u16string_view s, size_t& i, std::string& out) {
  size_t start = i;
  while (i < s.size() && isDigit(s[i])) out += static_cast<char>(s[i++]);
  return i > start;
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

  std::u16string s;
  for (char16_t c : field)
    if (!ignored(c)) s += c;

  // The longest prefix of the form [sign] digits [. digits] [exponent], copied to ASCII and read
  // by from_chars, which knows no locale.
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  std::string number;
  bool digits = takeDigits(s, i, number);
  if (i < s.size() && s[i] == u'.') {
    number += '.';
    ++i;
    digits = takeDigits(s, i, number) || digits;
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) exponent += static_cast<char>(s[j++]);
    if (takeDigits(s, j, exponent)) number += exponent;
  }
  double value = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), value);
  return negative ? -value : value;
}

}  // namespace kv884
