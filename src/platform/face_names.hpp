#pragma once
// The faces the windows and the printed pages name. Each desktop view maps them onto the families
// its system has installed.

#include <string_view>

namespace kv884 {

inline constexpr std::u16string_view kKaiFace = u"標楷體";
inline constexpr std::u16string_view kMingFace = u"細明體";
inline constexpr std::u16string_view kNewMingFace = u"新細明體";
inline constexpr std::u16string_view kArialFace = u"Arial";

}  // namespace kv884
