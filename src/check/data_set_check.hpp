#pragma once
// Checks an opened data set: reads each file once, from start to end, and checks that every
// holder can be found by every key.

#include "check/check_report.hpp"
#include "startwin/program.hpp"

namespace kv884 {

// program: the data set opened by the start window (files 3, 1 and 2 open). Throws FileError
// when a file cannot be read.
CheckReport checkDataSet(Program& program);

}  // namespace kv884
