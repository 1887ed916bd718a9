#pragma once
// The output lines of a round of a batch, made in the order the keys are searched and written in
// the order of the key file. They wait in an unnamed temporary file (the process's own, gone when
// it is closed) instead of memory, so that a round of 131,072 screens holds a few bytes a line
// rather than the line, and come back a chunk of lines at a time, each chunk gathered in one pass
// over the file; where no temporary file can be made or written, they wait in memory.

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/scratch_file.hpp"

namespace kv884 {

class SpilledLines {
 public:
  SpilledLines();
  ~SpilledLines();
  SpilledLines(const SpilledLines&) = delete;
  SpilledLines& operator=(const SpilledLines&) = delete;

  void startRound(size_t lines);  // forgets the last round's lines
  void put(size_t line, std::string_view text);
  // Every line of the round, in order, each followed by a line break.
  void writeInOrder(std::ostream& out);

 private:
  struct Place {
    int64_t offset{-1};  // in the file; -1: held in memory
    uint32_t length{0};
    size_t inChunk{0};  // where it is gathered for writing
  };

  void writeOut();  // the lines not yet in the file, in one write
  void gatherChunk(size_t from, size_t to);
  std::string_view readAt(int64_t offset, size_t length);

  std::unique_ptr<ScratchFile> file_;  // null where none could be made
  bool writable_{false};               // false also once a write to it failed
  int64_t end_{0};                     // of what the file holds
  std::string unwritten_;              // the lines put after that
  std::vector<Place> places_;
  std::unordered_map<size_t, std::string> held_;  // by line, where the file could not take them
  std::string chunk_;                             // the text of the lines being written out
  std::string block_;  // the file's bytes from blockStart_ on, blockLength_ long
  int64_t blockStart_{0};
  size_t blockLength_{0};
};

}  // namespace kv884
