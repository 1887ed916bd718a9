#include "dataset/record_number.hpp"

#include <cmath>

#include "dataset/numeric_value.hpp"

namespace kv884 {

int64_t recordNumber(std::u16string_view field) {
  double value = numericValue(field);
  // A damaged field may hold a fraction or a sign; no such number names a record, and 0 is read
  // as "no record" wherever a number is used.
  if (!(value >= 1.0 && value <= 1e12)) return 0;
  return static_cast<int64_t>(std::trunc(value));
}

}  // namespace kv884
