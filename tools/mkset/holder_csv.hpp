#pragma once
// Holders from a CSV file: a header row naming the columns (any order, any subset of the holder
// fields), then one row per holder. A column left out is blank in every record, except
// security_code, which then takes the descriptor's code.

#include <string>
#include <string_view>
#include <vector>

#include "mkset/holder.hpp"

namespace kv884::mkset {

// Throws MksetError naming the line and the column of the first value that does not fit its
// field: too long, a character that is not printable ASCII where a code is expected, or a name
// character without a Big5 form.
std::vector<Holder> holdersFromCsv(std::string_view utf8Text, std::u16string_view securityCode);

}  // namespace kv884::mkset
