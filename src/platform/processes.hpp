#pragma once
// Processes by number, as the temporary names carry them.

namespace kv884 {

long currentProcessNumber();
// True when no process of that number runs now.
bool processHasEnded(long number);

}  // namespace kv884
