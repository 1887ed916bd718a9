#pragma once
// The count report text (帳簿劃撥配發筆數): either the text the user supplies, or one computed from
// the holders: holders and shares per allotment type and per data category.

#include <string>
#include <vector>

#include "mkset/data_set_builder.hpp"
#include "mkset/holder.hpp"

namespace kv884::mkset {

// Lines joined and ended by CR LF.
std::u16string countReportOf(const std::vector<Holder>& holders, const SecurityItems& security);

}  // namespace kv884::mkset
