#pragma once
// The count report (帳簿劃撥配發筆數) computed when the user supplies none: holders and shares per
// allotment type and per data category.

#include <string>
#include <vector>

#include "dataset/descriptor.hpp"
#include "mkset/holder.hpp"

namespace kv884::mkset {

// Lines joined and ended by CR LF.
std::u16string countReportOf(const std::vector<Holder>& holders, const SecurityItems& security);

}  // namespace kv884::mkset
