#pragma once
// A check report as text for a person (Traditional Chinese labels, UTF-8) or as one JSON
// document.

#include <string>

#include "check/check_report.hpp"

namespace kv884 {

std::string reportText(const CheckReport& report);
std::string reportJson(const CheckReport& report);

}  // namespace kv884
