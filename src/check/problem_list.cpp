#include "check/problem_list.hpp"

namespace kv884 {

void ProblemList::add(Problem problem) {
  Group& group = groups_[{problem.problemClass, problem.kind}];
  ++group.count;
  ++total_;
  if (group.shown.size() < kShownPerGroup) group.shown.push_back(std::move(problem));
}

bool ProblemList::willShow(ProblemClass problemClass, int kind) const {
  auto it = groups_.find({problemClass, kind});
  return it == groups_.end() || it->second.shown.size() < kShownPerGroup;
}

size_t ProblemList::count(ProblemClass problemClass, int kind) const {
  auto it = groups_.find({problemClass, kind});
  return it == groups_.end() ? 0 : it->second.count;
}

}  // namespace kv884
