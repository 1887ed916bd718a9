#include "dataset/record_number.hpp"

#include <cmath>
#include <limits>

#include "dataset/numeric_value.hpp"
#include "platform/ascii_text.hpp"

namespace kv884 {

// The query window keeps record numbers in 32-bit values; a number at or above this one names a
// record beyond every file, and stays that number instead of wrapping into a small one.
constexpr double kBeyondEveryFile = std::numeric_limits<int32_t>::max();

int64_t recordNumber(std::u16string_view field) {
  // Six digits, the form of every sound field, read directly.
  if (field.size() == 6) {
    int64_t number = 0;
    size_t i = 0;
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i)
      number = number * 10 + (field[i] - u'0');
    if (i == field.size()) return number;
  }
  double value = numericValue(field);
  // A damaged field may hold a fraction, a sign or an exponent; no such number below 1 names a
  // record, and 0 is read as "no record" wherever a number is used.
  if (!(value >= 1.0)) return 0;
  if (value >= kBeyondEveryFile) return static_cast<int64_t>(kBeyondEveryFile);
  return static_cast<int64_t>(std::trunc(value));
}

std::u16string recordNumberText(int64_t number) {
  return decimalText(number, kRecordNumberWidth);
}

}  // namespace kv884
