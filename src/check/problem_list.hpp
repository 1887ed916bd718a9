#pragma once
// The problems a check finds, grouped by class and key kind. Every problem is counted; the first
// kShownPerGroup of each group are kept with their record numbers for the report.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv884 {

enum class ProblemClass {
  FileLength,       // a file's length is not a multiple of its record length
  Cycle,            // a chain comes back to a record it has passed
  SuccessorRange,   // a successor names no detail record
  Unreachable,      // a detail record the chain from the first record never reaches
  OutOfOrder,       // a record's key sorts after its successor's key
  PageOrder,        // page entries not ascending, or a used entry after an empty one
  PageKey,          // a page key differs from the key it stands for
  PageLink,         // a page entry names no page or record it may name
  NotReached,       // a record the search for its key does not reach
  DataRecordRange,  // a detail record's DataRecNo names no holder data record
  KeyMismatch,      // a detail record's key differs from its holder data record
  Unindexed,        // a holder data record no detail record names
};

struct Problem {
  ProblemClass problemClass;
  int kind{0};                           // key kind 1 to 4, 0 when the problem has none
  std::vector<int64_t> detailRecords{};  // record numbers in the detail index file
  std::vector<int64_t> holderRecords{};  // record numbers in the holder data file
  int64_t page{0};                       // record number in the holder-key index file
  int entry{0};                          // entry 1 to 100 of that page
  std::u16string note{};                 // what is wrong, in the report's words
};

// A key in a note: in corner brackets.
inline std::u16string quoted(std::u16string_view text) {
  return u"「" + std::u16string(text) + u"」";
}

inline constexpr size_t kShownPerGroup = 20;

class ProblemList {
 public:
  using GroupKey = std::pair<ProblemClass, int>;
  struct Group {
    size_t count{0};
    std::vector<Problem> shown;
  };

  void add(Problem problem);
  // False once the group is full: a caller may then skip work that only a shown problem needs.
  bool willShow(ProblemClass problemClass, int kind) const;

  size_t total() const { return total_; }
  size_t count(ProblemClass problemClass, int kind) const;
  const std::map<GroupKey, Group>& groups() const { return groups_; }

 private:
  std::map<GroupKey, Group> groups_;
  size_t total_{0};
};

}  // namespace kv884
