#pragma once
// A formed path as Windows opens it: absolute, normalised, and in the \\?\ form past MAX_PATH.

#include <string>
#include <string_view>

namespace kv884 {

std::wstring windowsPath(std::u16string_view formedPath);

}  // namespace kv884
