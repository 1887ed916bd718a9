#pragma once
// The chain of one key kind, walked from its first record (the record the first leaf entry
// names) to 999999: every detail record exactly once, keys ascending, each leaf entry naming the
// first record of its run and holding the run's last key, and every record reached by the search
// for its own key.

#include <cstdint>
#include <functional>
#include <string>

#include "check/detail_table.hpp"
#include "check/key_pages.hpp"
#include "check/problem_list.hpp"

namespace kv884 {

// The successor field of a detail record as it stands in the file, for the note on a successor
// that names no record; empty when it cannot be read.
using SuccessorField = std::function<std::u16string(int kind, int64_t recNo)>;

// Returns the number of records the chain reaches.
int64_t checkChain(int kind, const DetailTable& table, const KindPages& pages,
                   ProblemList& problems, const SuccessorField& successorField);

}  // namespace kv884
