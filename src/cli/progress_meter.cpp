#include "cli/progress_meter.hpp"

#include "dataset/display_formats.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

// Redrawing more often only costs time; less often looks stuck.
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);

std::string grouped(int64_t n) {
  return toUtf8(formatWholeQuantity(static_cast<double>(n)));
}

std::string duration(double seconds) {
  const auto whole = static_cast<int64_t>(seconds + 0.5);
  if (whole < 60) return std::to_string(whole) + " 秒";
  return std::to_string(whole / 60) + " 分 " + std::to_string(whole % 60) + " 秒";
}

}  // namespace

ProgressMeter::ProgressMeter(std::ostream* terminal, std::u16string what, int64_t showFrom)
    : terminal_(terminal), what_(std::move(what)), showFrom_(showFrom) {}

std::string ProgressMeter::line(const std::u16string& what, int64_t done,
                                std::optional<int64_t> total, double seconds) {
  std::string text = "已處理 " + grouped(done);
  if (total) text += " / " + grouped(*total);
  text += " " + toUtf8(what);
  if (seconds <= 0) return text;
  const double rate = static_cast<double>(done) / seconds;
  text += "，每秒 " + grouped(static_cast<int64_t>(rate + 0.5));
  if (total && rate > 0 && done < *total)
    text += "，約剩 " + duration(static_cast<double>(*total - done) / rate);
  return text;
}

void ProgressMeter::maybeDraw() {
  const Clock::time_point now = Clock::now();
  if (now - lastDrawn_ < kRedrawEvery || !worthShowing()) return;
  lastDrawn_ = now;
  draw();
}

void ProgressMeter::draw() {
  const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  // Back to the start of the line and the rest of it cleared, so a shorter line leaves nothing.
  *terminal_ << "\r" << line(what_, done_, total_, seconds) << "\x1b[K" << std::flush;
}

void ProgressMeter::finish() {
  if (!terminal_ || !worthShowing()) return;
  draw();
  *terminal_ << '\n' << std::flush;
}

}  // namespace kv884
