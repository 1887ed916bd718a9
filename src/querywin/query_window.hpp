#pragma once
// frm_1, the register query window: search by one of four keys, step to the next holder with
// the same key beginning, page through the screens already shown, print the shown record.
// It works on the three data files the start window left open (1 holder-key index, 2 detail
// index, 3 holder data).

#include <functional>
#include <string>
#include <string_view>

#include "platform/click_outcome.hpp"
#include "platform/file_table.hpp"
#include "platform/print_surface.hpp"
#include "platform/ui.hpp"
#include "querywin/query_controls.hpp"
#include "querywin/query_state.hpp"

namespace kv884 {

struct KeyKind;

// Where the last chain walk stood, kept by a caller that presses 查詢 for many keys of one kind in
// ascending order (kv884-query --keys). Every record a walk passes before its last one has a key
// below its search key, so below every later search key that is not below it: a later walk that
// starts at the same record passes the same records and may begin at the last one, with the
// same count of steps. The records such searches read last are held here and not read again:
// the key pages of the last search and the last two detail records (the one a walk stopped at
// and the one read ahead after it). Such searches read fewer records and show, hold and leave
// behind exactly what they would from the leaf page's record.
struct WalkResume {
  int16_t kind{0};
  std::u16string key;  // the last walk's search key, as compared
  int32_t start{0};    // the detail record the leaf page named
  int32_t last{0};     // the last detail record the walk read
  int64_t step{0};     // the step that read it
  bool held{false};    // false: the last walk read no record

  struct Record {
    int64_t recNo{0};  // 0: none
    std::string bytes;
  };
  Record pages[2];    // the root page and the leaf page the last search read
  Record details[2];  // the last two detail records read
  int nextDetail{0};  // the one to replace next
};

// What the query window is given by the program that shows it.
struct QueryWindowHost {
  Ui& ui;
  FileTable& files;
  // The program-wide values of the security descriptor.
  const std::u16string& g_SecurityName;
  const std::u16string& g_DataDate;
  const std::u16string& g_DecimalFlag;
  PrintSurface* const& printer;  // the system's default printer; null when there is none
  // Runs after 結束 has closed the data files: unloads the window and gives the start window
  // its open button back.
  std::function<void()> unload;
};

class QueryWindow : public QueryControls, public QueryState {
 public:
  explicit QueryWindow(QueryWindowHost host) : host_(std::move(host)) {}

  void Form_Load();
  ClickOutcome comb_1_Click();   // an item picked from the list
  ClickOutcome tx_i_01_Click();  // a mouse click into the key box
  ClickOutcome cmd_1_Click();    // 查詢
  ClickOutcome cmd_2_Click();    // 次筆
  ClickOutcome cmd_3_Click();    // 結束
  ClickOutcome cmd_4_Click();    // 列印
  ClickOutcome cmd_5_Click();    // 前一畫面
  ClickOutcome cmd_6_Click();    // 下一畫面

  // The control that takes the focus when a handler disables `withdrawn` while it has it.
  std::string_view focusHeir(std::string_view withdrawn) const;

  // Null (the window's own way, and the start state): every walk starts where the leaf page says.
  void resumeWalksFrom(WalkResume* resume) { walkResume_ = resume; }

 private:
  // The message of a search that found nothing; empty when it found a holder.
  std::u16string_view findFirstMatch(const KeyKind& kind);
  bool scanRootPage(const KeyKind& kind, int64_t& leafPage);
  bool scanLeafPage(const KeyKind& kind, int64_t leafPage);
  bool walkChain(const KeyKind& kind);
  int64_t firstWalkStep(const KeyKind& kind);
  void readKeyPage(int64_t recNo, int level);
  void readHeld(int fileNo, int64_t recNo, WalkResume::Record& slot);
  bool beginsWithSearchKey(std::u16string_view detailText) const;

  void ShowMatch();
  void ShowRecord();
  void showSlot(int16_t slot);

  // Runs a change of the shown screen; when a record cannot be read, every control and value
  // is put back as it was and MSG_1_08 reports the error.
  ClickOutcome showScreenAtomically(const std::function<ClickOutcome()>& change);
  // Detail record recNo into m_IdxdRec; when it cannot be read, m_IdxdRec stays as it was.
  void readDetailRecord(int64_t recNo);

  QueryWindowHost host_;
  WalkResume* walkResume_{nullptr};

  // Storage reused from click to click, so that a click allocates nothing once the window has
  // been used a while. Each is written before it is read: nothing is kept here from one read or
  // one click to the next.
  std::string recordBytes_;  // the record just read, as bytes
  std::u16string pageText_;  // the key page of the running search, decoded as far as scanned
  // The window before the running click (showScreenAtomically): every control and every value.
  // Handlers never nest, so one copy is enough; copying into it reuses its storage.
  QueryControls savedControls_;
  QueryState savedState_;
};

// The window's buttons with the control each shows and the handler each runs, in the order every
// view makes them.
struct QueryButton {
  const char* name;
  Button QueryControls::*control;
  ClickOutcome (QueryWindow::*handler)();
};

inline constexpr QueryButton kQueryButtons[] = {
    {"cmd_5", &QueryControls::cmd_5, &QueryWindow::cmd_5_Click},
    {"cmd_6", &QueryControls::cmd_6, &QueryWindow::cmd_6_Click},
    {"cmd_1", &QueryControls::cmd_1, &QueryWindow::cmd_1_Click},
    {"cmd_2", &QueryControls::cmd_2, &QueryWindow::cmd_2_Click},
    {"cmd_4", &QueryControls::cmd_4, &QueryWindow::cmd_4_Click},
    {"cmd_3", &QueryControls::cmd_3, &QueryWindow::cmd_3_Click},
};

}  // namespace kv884
