#pragma once
// Everything the query window shows and holds, as one comparable value: every control and every
// window-level value, the ring of shown screens included. Header only, so the fuzz target can use
// it without the test support library.

#include <utility>

#include "querywin/query_window.hpp"

namespace kv884::test {

using WindowSnapshot = std::pair<QueryControls, QueryState>;

inline WindowSnapshot snapshot(const QueryWindow& w) {
  return {w, w};
}

}  // namespace kv884::test
