#pragma once
// Windows' error codes as the program's file errors, so a message reads the same on both
// platforms: a missing file 53, a missing folder or share 76, a locked or forbidden file 70.

#include "platform/file_error.hpp"

namespace kv884 {

FileError::Number fileErrorOf(unsigned long windowsError);

}  // namespace kv884
