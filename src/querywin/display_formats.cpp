#include "querywin/display_formats.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kv884 {

namespace {

constexpr int kSignificantDigits = 15;

// Whole numbers below this have at most 15 digits, all exact in a double: rounding them to 15
// significant digits changes nothing.
constexpr double kExactWholeLimit = 1e15;

// The digits of |value| rounded to `decimals` places, as one integer without a point. The
// mantissa's digits are taken by position, so the C library's locale-dependent point between
// them never reaches the result.
std::string roundedDigits(double value, int decimals) {
  if (decimals == 0 && std::fabs(value) < kExactWholeLimit && std::trunc(value) == value)
    return std::to_string(static_cast<int64_t>(std::fabs(value)));  // quantities as stored
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
  std::string mantissa;
  mantissa += buffer[0];
  mantissa.append(buffer + 2, kSignificantDigits - 1);
  int exponent = std::atoi(std::strchr(buffer, 'e') + 1);

  // value = 0.mantissa * 10^(exponent + 1): keep the digits before the rounding place.
  int keep = exponent + 1 + decimals;
  if (keep < 0) return "0";
  std::string digits;
  if (keep >= kSignificantDigits) {
    digits = mantissa + std::string(keep - kSignificantDigits, '0');
  } else {
    digits = mantissa.substr(0, keep);
    if (mantissa[keep] >= '5') {
      int i = static_cast<int>(digits.size()) - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
      }
    }
  }
  size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
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
  return std::u16string(text.begin(), text.end());
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
  if (slot >= 0 && slot <= 9999) {  // every slot of the ring
    return {static_cast<char16_t>(u'0' + slot / 1000),
            static_cast<char16_t>(u'0' + slot / 100 % 10),
            static_cast<char16_t>(u'0' + slot / 10 % 10), static_cast<char16_t>(u'0' + slot % 10),
            u' '};
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d ", slot);
  std::string text = buffer;
  return std::u16string(text.begin(), text.end());
}

}  // namespace kv884
