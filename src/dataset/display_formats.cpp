#include "dataset/display_formats.hpp"

#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/ascii_text.hpp"

namespace kv884 {

namespace {

constexpr int kSignificantDigits = 15;

// The digits of |value| rounded to `decimals` places, as one integer without a point: the
// value's 15 significant digits M and exponent E give |value| = M * 10^(E - 14), rounded half
// away from zero in integers. The digits are taken by position, so the C library's
// locale-dependent point between them never reaches the result.
std::string roundedDigits(double value, int decimals) {
  value = std::fabs(value);
  // An integral value below 10^15 is its own 15-digit form: its digits and the decimals' zeros,
  // without the cost of the general form, which nearly every quantity of a register would pay.
  if (value < 1e15 && std::trunc(value) == value) {
    std::string digits = std::to_string(static_cast<uint64_t>(value));
    digits.append(static_cast<size_t>(decimals), '0');
    return digits;
  }
  char buffer[64] = {};
  // to_chars, not printf: the same correctly rounded digits at a fraction of the cost, which an
  // export of a million rows feels.
  char* const end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                  std::chars_format::scientific, kSignificantDigits - 1)
                        .ptr;
  uint64_t mantissa = static_cast<uint64_t>(buffer[0] - '0');
  for (int i = 0; i < kSignificantDigits - 1; ++i) mantissa = mantissa * 10 + (buffer[2 + i] - '0');
  const char* const sign = std::strchr(buffer, 'e') + 1;
  int exponent = 0;
  std::from_chars(sign + (*sign == '+'), end, exponent);  // from_chars takes no plus
  const int shift = exponent - (kSignificantDigits - 1) + decimals;
  if (shift >= 0) return std::to_string(mantissa) + std::string(static_cast<size_t>(shift), '0');
  if (shift < -kSignificantDigits) return "0";
  uint64_t unit = 1;
  for (int i = 0; i < -shift; ++i) unit *= 10;
  return std::to_string(mantissa / unit + (mantissa % unit * 2 >= unit ? 1 : 0));
}

// The digits with the point before the last `decimals` of them, grouped by threes if asked; a
// minus only before a value that does not round to zero.
std::u16string formatFixed(double value, int decimals, bool grouping) {
  std::string digits = roundedDigits(value, decimals);
  const auto places = static_cast<size_t>(decimals);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  const size_t whole = digits.size() - places;
  std::u16string text;
  if (value < 0 && digits.find_first_not_of('0') != std::string::npos) text += u'-';
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i == whole)
      text += u'.';
    else if (grouping && i > 0 && i < whole && (whole - i) % 3 == 0)
      text += u',';
    text += static_cast<char16_t>(digits[i]);
  }
  return text;
}

// Exactly "Y": the quantities count hundredths.
bool countsHundredths(const std::u16string& decimalFlag) {
  return decimalFlag == u"Y";
}

}  // namespace

std::u16string formatCount(double value) {
  return formatFixed(value, 0, false);
}

std::u16string formatWholeQuantity(double value) {
  return formatFixed(value, 0, true);
}

std::u16string formatDecimalQuantity(double value) {
  return formatFixed(value, 2, true);
}

std::u16string formatQuantity(double value, const std::u16string& decimalFlag) {
  return countsHundredths(decimalFlag) ? formatDecimalQuantity(value / 100)
                                       : formatWholeQuantity(value);
}

std::string_view quantityFormat(const std::u16string& decimalFlag) {
  return countsHundredths(decimalFlag) ? "#,##0.00" : "#,##0";
}

std::u16string formatRingPosition(int slot) {
  return decimalText(slot, 4) + u' ';
}

}  // namespace kv884
