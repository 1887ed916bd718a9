#pragma once
// The exit statuses of kv884-query beyond 0 (success) and 64 (bad usage, exit_usage.hpp).

#include "platform/click_outcome.hpp"

namespace kv884 {

inline constexpr int kExitNoMatch = 1;  // a search found nothing
inline constexpr int kExitFailure = 2;  // the data set could not be opened or a record not read

// The status of a run that ended with this click.
inline int exitStatusOf(ClickOutcome outcome) {
  if (outcome == ClickOutcome::NoMatch) return kExitNoMatch;
  return outcome == ClickOutcome::Done || outcome == ClickOutcome::Disabled ? 0 : kExitFailure;
}

}  // namespace kv884
