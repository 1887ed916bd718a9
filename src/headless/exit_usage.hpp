#pragma once
// The exit status of every program for bad usage, apart from the command line parser, whose
// header is slow to compile.

namespace kv884 {

inline constexpr int kExitUsage = 64;

}  // namespace kv884
