#pragma once
// Progress of a long run (an export, a large batch of look-ups) on a terminal: one line, redrawn
// in place at most a few times a second, with the count done, the total when it is known, the
// rate and the time left. Off, it writes nothing, so standard error keeps only the messages.

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace kv884 {

class ProgressMeter {
 public:
  using Clock = std::chrono::steady_clock;

  // what: the things counted, as the line names them (位持有人, 筆查詢資料). Nothing is drawn
  // before showFrom are done, unless the total is known to reach it: a short run stays quiet.
  ProgressMeter(std::ostream* terminal, std::u16string what, int64_t showFrom = 0);

  void setTotal(std::optional<int64_t> total) { total_ = total; }
  // One more done; redraws when the last drawing is old enough.
  void advance() {
    if (terminal_ && (++done_ & 0xFF) == 0) maybeDraw();
  }
  // The last drawing, with the final count, and the line ended; nothing when nothing was drawn.
  void finish();

  // The line for a count done after some seconds (no line break).
  static std::string line(const std::u16string& what, int64_t done, std::optional<int64_t> total,
                          double seconds);

 private:
  void maybeDraw();
  void draw();
  bool worthShowing() const { return done_ >= showFrom_ || (total_ && *total_ >= showFrom_); }

  std::ostream* terminal_;
  std::u16string what_;
  int64_t showFrom_;
  std::optional<int64_t> total_;
  int64_t done_{0};
  Clock::time_point start_{Clock::now()};
  Clock::time_point lastDrawn_{start_};
};

}  // namespace kv884
