#include "dataset/display_formats.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
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
  char buffer[64] = {};
  // to_chars, not printf: the same correctly rounded digits at a fraction of the cost, which an
  // export of a million rows feels.
  std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value), std::chars_format::scientific,
                kSignificantDigits - 1);
  uint64_t mantissa = static_cast<uint64_t>(buffer[0] - '0');
  for (int i = 0; i < kSignificantDigits - 1; ++i) mantissa = mantissa * 10 + (buffer[2 + i] - '0');
  const int shift = std::atoi(std::strchr(buffer, 'e') + 1) - (kSignificantDigits - 1) + decimals;
  if (shift >= 0) return std::to_string(mantissa) + std::string(static_cast<size_t>(shift), '0');
  if (shift < -kSignificantDigits) return "0";
  uint64_t unit = 1;
  for (int i = 0; i < -shift; ++i) unit *= 10;
  return std::to_string(mantissa / unit + (mantissa % unit * 2 >= unit ? 1 : 0));
}

std::string groupThousands(const std::string& digits) {
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::u16string formatFixed(double value, int decimals, bool grouping) {
  std::string digits = roundedDigits(value, decimals);
  if (static_cast<int>(digits.size()) <= decimals)
    digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - decimals);
  std::string text = grouping ? groupThousands(whole) : whole;
  if (decimals > 0) text += "." + digits.substr(digits.size() - decimals);
  bool zero = digits.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !zero) text.insert(0, "-");
  return widened(text);
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
