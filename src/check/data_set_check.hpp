#pragma once
// Checks an opened data set: reads each file once, from start to end, and checks that every
// holder can be found by every key.

#include "check/check_report.hpp"
#include "platform/file_table.hpp"

namespace kv884 {

// files: the data set of code in folder, opened (files 3, 1 and 2 open). Throws FileError when a
// file cannot be read.
CheckReport checkDataSet(FileTable& files, const std::u16string& folder,
                         const std::u16string& code);

}  // namespace kv884
