#pragma once
// The names of the temporary files and folders the writers make beside their target: hidden,
// naming the target and the process that made them, so that a later run for the same target
// removes those whose process is gone (killed before it could clean up) and leaves a running
// one's alone.

#include <string>

namespace kv884 {

// ".NAME.kv884-PID-XXXXXX" in target's folder, for mkstemp or mkdtemp to fill in.
std::string temporaryPattern(const std::string& target);
// A pattern with its XXXXXX filled in at random, for a host that has no mkstemp.
std::string randomTemporaryName(std::string pattern);

// Removes, beside target, every temporary file or folder of a process that no longer runs.
void sweepStaleTemporaries(const std::string& target);

}  // namespace kv884
