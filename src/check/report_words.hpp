#pragma once
// The names under which the report shows problem classes and key kinds.

#include <string_view>

#include "check/problem_list.hpp"

namespace kv884 {

std::u16string_view problemLabel(ProblemClass problemClass);  // Traditional Chinese
std::string_view problemCode(ProblemClass problemClass);      // the JSON name
std::u16string_view kindName(int kind);                       // 統一編號 ... 中文戶名

}  // namespace kv884
