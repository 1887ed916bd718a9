#include "cli/register_export.hpp"

#include "cli/progress_meter.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/record_number.hpp"
#include "headless/headless_ui.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

namespace {

std::u16string number(int64_t n) {
  return fromUtf8(std::to_string(n));
}

// A finding of the walk itself, in the program's own voice: the kind's name as the window's
// caption gives it (without "依 "), then what happened to its chain.
std::u16string chainProblem(int kind, const std::u16string& what) {
  return u"kv884-query: " + std::u16string(keyKind(kind).caption.substr(2)) + u" 鏈結" + what;
}

// Why a walk that 次筆 no longer continues ended before every record, or nothing.
std::vector<std::u16string> endProblems(const QueryWindow& window, int kind, int64_t shown,
                                        int64_t detailRecords) {
  if (window.m_NextRecNo != kEndOfChain)
    return {chainProblem(kind, u"在明細記錄 " + number(window.m_SearchRecNo) + u" 中斷：下一筆 " +
                                   number(window.m_NextRecNo) + u" 讀不到")};
  if (shown < detailRecords)
    return {chainProblem(kind, u"走過 " + number(shown) + u" 筆明細記錄便結束，另有 " +
                                   number(detailRecords - shown) + u" 筆走不到")};
  return {};
}

std::vector<std::u16string> cycleProblem(int kind, int64_t detailRecords) {
  return {chainProblem(kind,
                       u"形成循環：走過全部 " + number(detailRecords) + u" 筆明細記錄後仍未結束")};
}

}  // namespace

RegisterWalk walkRegister(QueryWindow& window, HeadlessUi& ui, int kind, int64_t detailRecords,
                          const std::function<void(const QueryWindow&)>& row,
                          ProgressMeter& progress) {
  RegisterWalk walk;
  window.comb_1.text = keyKind(kind).caption;
  window.tx_i_01.text.clear();
  window.cmd_1_Click();
  for (;;) {
    walk.problems = ui.takeMessages();
    if (!walk.problems.empty()) return walk;
    row(window);
    ++walk.shown;
    progress.advance();
    if (!window.cmd_2.enabled) {
      walk.problems = endProblems(window, kind, walk.shown, detailRecords);
      return walk;
    }
    // A sound order shows each record once: one more screen would repeat one.
    if (walk.shown == detailRecords) {
      walk.problems = cycleProblem(kind, detailRecords);
      return walk;
    }
    window.cmd_2_Click();
  }
}

}  // namespace kv884
