#pragma once
// Whether a path leads into a folder, whatever links, doubled separators or other capitals lead
// there: the test by which a file the programs write is kept out of a data set.

#include <string>

namespace kv884 {

// True when target's folder is folder or lies below it. Target's folder is taken both as written
// and as the program maps a formed path onto the host (names matched regardless of case), and
// compared with folder by what each is on the disc.
bool liesWithin(const std::string& target, const std::string& folder);

}  // namespace kv884
