#include "cli/register_export.hpp"

#include "cli/holder_row.hpp"
#include "cli/progress_meter.hpp"
#include "cli/read_ahead_rule.hpp"
#include "cli/register_from_copy.hpp"
#include "cli/register_writer.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/order_stretch.hpp"
#include "dataset/record_field.hpp"
#include "dataset/set_copy.hpp"
#include "headless/headless_ui.hpp"
#include "platform/ascii_text.hpp"
#include "querywin/query_window.hpp"
#include "querywin/record_boxes.hpp"

namespace kv884 {

namespace {

// Holders read per stretch of the order: both of their records held at once, some 34 MB, which
// keeps the export within 64 MB; each stretch is about one pass over both files.
constexpr size_t kHoldersPerStretch = 125000;

// A finding of the walk itself, in the program's own voice: the kind's name, then what happened
// to its chain.
std::u16string chainProblem(int kind, const std::u16string& what) {
  return u"kv884-query: " + std::u16string(keyKind(kind).name()) + u" 鏈結" + what;
}

// Why an order ended before every record, or nothing; as the walk of 次筆 words it.
std::vector<std::u16string> endProblems(const ChainOrder& order, int kind, int64_t records) {
  const auto shown = static_cast<int64_t>(order.records.size());
  const std::u16string last = u"明細記錄 " + decimalText(order.records.back());
  switch (order.end) {
    case ChainOrder::End::Complete:
      return {};
    case ChainOrder::End::Broken:
      if (order.successor == 0 &&
          withoutPadding(order.successorText).find_first_not_of(u"0") != std::u16string_view::npos)
        return {chainProblem(
            kind, u"在" + last + u" 中斷：下一筆「" + order.successorText + u"」不是數字")};
      return {chainProblem(
          kind, u"在" + last + u" 中斷：下一筆 " + decimalText(order.successor) + u" 讀不到")};
    case ChainOrder::End::Short:
      return {chainProblem(kind, u"走過 " + decimalText(shown) + u" 筆明細記錄便結束，另有 " +
                                     decimalText(records - shown) + u" 筆走不到")};
    case ChainOrder::End::Cycle:
      break;
  }
  return {chainProblem(
      kind, u"形成循環：" + last + u" 的下一筆 " + decimalText(order.successor) + u" 已走過")};
}

// The rows of one stretch of the order; false (the message in walk) at a holder data record that
// cannot be read, after the rows before it.
class StretchWriter {
 public:
  StretchWriter(const RegisterSource& source, RegisterWriter& writer, ProgressMeter& progress)
      : source_(source), writer_(writer), progress_(progress), row_(source) {}

  bool write(const std::vector<uint32_t>& detailNos, RegisterWalk& walk) {
    try {
      records_.read(source_.files, detailNos);
    } catch (const FileError& error) {
      walk.problems = {readErrorMessage(error)};
      return false;
    }
    for (size_t i = 0; i < records_.size(); ++i) {
      if (records_.data(i).empty()) {
        walk.problems = {readErrorMessage(FileError(FileError::kBadRecordNumber))};
        return false;
      }
      writer_.writeRow(row_.of(records_.detail(i), records_.data(i)));
      ++walk.shown;
      progress_.advance();
    }
    return true;
  }

 private:
  const RegisterSource& source_;
  RegisterWriter& writer_;
  ProgressMeter& progress_;
  OrderStretch records_;
  HolderRow row_;
};

}  // namespace

LearnedOrder learnKeyOrder(QueryWindow& window, HeadlessUi& ui, FileTable& files, int kind) {
  window.comb_1.text = keyKind(kind).caption;
  window.tx_i_01.text.clear();
  // The first holder and every message of finding it, as the window has them.
  const ClickOutcome found = window.cmd_1_Click();
  LearnedOrder learned{std::nullopt, ui.takeMessages()};
  if (found != ClickOutcome::Done) return learned;
  try {
    learned.order = learnChainOrder(files, kDetailIndexFile, keyKind(kind),
                                    window.m_HistIdxd[window.m_HistPos]);
  } catch (const FileError& error) {
    learned.problems = {readErrorMessage(error)};
  }
  return learned;
}

void walkRegister(const RegisterSource& source, int kind, RegisterWriter& writer,
                  ProgressMeter& progress, RegisterWalk& walk) {
  // From a slow medium the pass that learns the order copies the detail index file; the rows are
  // then made while the holder data file is copied.
  SetCopy copy(source.files, {kDetailIndexFile, kHolderDataFile});
  const bool copying = copy.made() && shouldCopySet(copy.costs());
  if (copying) copy.copyAsRead();
  LearnedOrder learned = learnKeyOrder(source.window, source.ui, source.files, kind);
  if (!learned.order) {
    walk.problems = std::move(learned.problems);
    return;
  }
  const ChainOrder& order = *learned.order;
  if (!copying || !walkFromCopy(copy, source, order, writer, progress, walk)) {
    StretchWriter stretches(source, writer, progress);
    std::vector<uint32_t> stretch;
    for (size_t from = 0; from < order.records.size(); from += kHoldersPerStretch) {
      const size_t to = std::min(order.records.size(), from + kHoldersPerStretch);
      stretch.assign(order.records.begin() + static_cast<std::ptrdiff_t>(from),
                     order.records.begin() + static_cast<std::ptrdiff_t>(to));
      if (!stretches.write(stretch, walk)) return;
    }
  }
  if (walk.problems.empty())
    walk.problems = endProblems(order, kind, source.files.recordCount(kDetailIndexFile));
}

}  // namespace kv884
