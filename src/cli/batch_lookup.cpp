#include "cli/batch_lookup.hpp"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <optional>
#include <vector>

#include "cli/exit_status.hpp"
#include "cli/json_output.hpp"
#include "cli/key_lines.hpp"
#include "cli/progress_meter.hpp"
#include "cli/read_ahead_rule.hpp"
#include "cli/register_export.hpp"
#include "cli/screens_behind_copy.hpp"
#include "cli/spilled_lines.hpp"
#include "dataset/block_reader.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/order_read_ahead.hpp"
#include "dataset/set_copy.hpp"
#include "headless/exit_usage.hpp"
#include "headless/headless_ui.hpp"
#include "platform/big5.hpp"
#include "platform/file_error.hpp"
#include "platform/file_table.hpp"
#include "platform/key_compare.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

namespace {

// Lines searched together: in the kind's order, so that each walk takes up where the last one
// stood (WalkResume), then printed in the file's order. Bounds the memory of any batch.
constexpr size_t kLinesPerRound = 131072;
// The batch's first searches, timed record by record, from which it tells what the medium costs
// (readsAhead): as many keys, or as long, as it takes for a pause of the machine to weigh little,
// and never more than half the keys.
constexpr size_t kTimedKeys = 1024;
constexpr std::chrono::duration<double> kTimedSearches{0.5};
// Batches of no more keys are searched record by record: reading ahead could spare them little.
constexpr size_t kLeastKeysAhead = 64;
constexpr size_t kReadAheadStretch = 32768;  // holders: both of their records, some 9 MB

struct Line {
  int64_t number;
  LineKey key;
  int status{0};
};

// The line of a key that found a holder: its number and key, then the screen.
std::string foundLine(const Line& line, const QueryControls& screen, bool json) {
  if (!json)
    return std::to_string(line.number) + '\t' + escapedKey(line.key.key) + '\t' +
           screenText(screen);
  nlohmann::ordered_json found{{"line", line.number}, {"key", toUtf8(line.key.key)}};
  found.update(screenJson(screen));
  return jsonLine(found);
}

// Whether the whole key field of the shown holder, without its padding, is the search key.
bool isExactMatch(const QueryWindow& window, FileTable& files, const KeyKind& kind) {
  const std::u16string detail = decodeRecord(
      files.readRecord(kDetailIndexFile, window.m_HistIdxd[window.m_HistPos]), kDetailRecordChars);
  const std::u16string_view key = withoutPadding(keyFieldOf(kind, detail));
  return kind.byNameCollation ? NameCollation::equal(key, window.m_SearchKey)
                              : key == window.m_SearchKey;
}

// 查詢 for one key as in a freshly opened window, whose ring shows the one screen: true when it
// found a holder; else the line that says so.
bool search(QueryWindow& window, HeadlessUi& ui, FileTable& files, int kind,
            const BatchOptions& options, Line& line, std::string& missed) {
  window.Form_Load();
  window.comb_1.text = keyKind(kind).caption;
  window.tx_i_01.text = line.key.key;
  ClickOutcome outcome = window.cmd_1_Click();
  std::vector<std::u16string> messages = ui.takeMessages();
  if (outcome == ClickOutcome::Done && options.exact &&
      !isExactMatch(window, files, keyKind(kind))) {
    outcome = ClickOutcome::NoMatch;
    messages.emplace_back(keyKind(kind).walkMissMessage);
  }
  if (outcome == ClickOutcome::Done) return true;
  line.status = exitStatusOf(outcome);
  missed = missLine(line.number, line.key.key, messages.front(), line.status, options.json);
  return false;
}

// The same with its output line.
std::string lookUp(QueryWindow& window, HeadlessUi& ui, FileTable& files, int kind,
                   const BatchOptions& options, Line& line) {
  std::string missed;
  if (search(window, ui, files, kind, options, line, missed))
    return foundLine(line, window, options.json);
  return missed;
}

// The lines to search, in the kind's order of their keys as 查詢 compares them.
std::vector<size_t> searchOrder(const std::vector<Line>& lines, const KeyKind& kind) {
  std::vector<std::u16string> compared(lines.size());
  std::vector<size_t> order;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].key.refusal.empty()) continue;
    compared[i] = kind.upperCasesKey ? upperCaseKey(lines[i].key.key) : lines[i].key.key;
    order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return compareKeys(kind, compared[a], compared[b]) < 0;
  });
  return order;
}

bool readRound(KeyLineReader& keys, std::vector<Line>& lines) {
  lines.clear();
  KeyLine read;
  while (lines.size() < kLinesPerRound && keys.next(read))
    lines.push_back({read.number, keyOfLine(read), 0});
  return !lines.empty();
}

// Serves the record reads of the searches from stretches of the key order read ahead, while it
// lives.
class ReadAlongOrder {
 public:
  ReadAlongOrder(FileTable& files, const ChainOrder& order)
      : files_(files), readAhead_(files, order, kReadAheadStretch) {
    files_.setRecordSource([this](int fileNo, int64_t recNo, std::string& bytes) {
      return readAhead_.serve(fileNo, recNo, bytes);
    });
  }
  ~ReadAlongOrder() { files_.setRecordSource(nullptr); }
  ReadAlongOrder(const ReadAlongOrder&) = delete;
  ReadAlongOrder& operator=(const ReadAlongOrder&) = delete;

 private:
  FileTable& files_;
  OrderReadAhead readAhead_;
};

// What the medium costs: secondsPerKey as the first searches found it, and one block read of the
// detail index file timed now.
MediumCosts mediumCosts(FileTable& files, double secondsPerKey) {
  MediumCosts costs{secondsPerKey};
  costs.blockBytes = std::min<int64_t>(kBlockBytes, files.length(kDetailIndexFile));
  // Zeroed first, so that the time is the read's and not the memory's first touch.
  std::vector<char> block(static_cast<size_t>(costs.blockBytes));
  try {
    costs.secondsPerBlock = secondsToReadBlock(files, kDetailIndexFile, block);
  } catch (const FileError&) {
    return {};  // no reading ahead where the file cannot be read in blocks
  }
  costs.setBytes = files.length(kDetailIndexFile) + files.length(kHolderDataFile);
  costs.holders = files.recordCount(kDetailIndexFile);
  return costs;
}

}  // namespace

std::string missLine(int64_t lineNumber, const std::u16string& key, const std::u16string& message,
                     int status, bool json) {
  if (json)
    return jsonLine({{"line", lineNumber},
                     {"key", toUtf8(key)},
                     {"message", toUtf8(message)},
                     {"exit", status}});
  // One line: the message's own line breaks become blanks.
  std::string text = toUtf8(message);
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " ");
  return std::to_string(lineNumber) + '\t' + escapedKey(key) + '\t' + text + '\t' +
         std::to_string(status);
}

int lookUpKeys(QueryWindow& window, HeadlessUi& ui, FileTable& files, int kind, KeyLineReader& keys,
               const BatchOptions& options, ProgressMeter& progress) {
  std::optional<ChainOrder> order;
  bool orderLearned = false;
  WalkResume resume;
  window.resumeWalksFrom(&resume);
  struct Release {
    QueryWindow& window;
    ~Release() { window.resumeWalksFrom(nullptr); }
  } release{window};
  int status = 0;
  std::optional<bool> readAhead;  // decided at the batch's first searches
  std::vector<Line> lines;
  SpilledLines results;
  while (readRound(keys, lines)) {
    results.startRound(lines.size());
    const std::vector<size_t> searched = searchOrder(lines, keyKind(kind));
    ScreensBehindCopy* behind = nullptr;  // while the copy is made behind the searches
    std::vector<size_t> again;            // lines whose screens behind it could not be made
    auto searchAt = [&](size_t i) {
      const size_t at = searched[i];
      std::string missed;
      if (!search(window, ui, files, kind, options, lines[at], missed))
        results.put(at, missed);
      else if (!behind)
        results.put(at, foundLine(lines[at], window, options.json));
      else if (!behind->keep(at, window))
        again.push_back(at);
      progress.advance();
    };
    size_t next = 0;
    // The seconds a key of the next ones searched took.
    auto timeSearches = [&] {
      const size_t timed = next + std::min(kTimedKeys, (searched.size() - next) / 2);
      const size_t from = next;
      const auto start = std::chrono::steady_clock::now();
      std::chrono::duration<double> spent{};
      while (next < timed && spent < kTimedSearches) {
        searchAt(next++);
        spent = std::chrono::steady_clock::now() - start;
      }
      return spent.count() / static_cast<double>(std::max<size_t>(1, next - from));
    };
    if (!readAhead && searched.size() > kLeastKeysAhead) {
      // The key index too: every search reads its pages.
      SetCopy copy(files, {kKeyIndexFile, kDetailIndexFile, kHolderDataFile});
      copy.timeRequests();
      auto copies = [&](size_t keys, double secondsPerKey) {
        return copy.made() &&
               shouldCopySet(copy.costs(), secondsPerKey * static_cast<double>(keys));
      };
      // A search asks the medium at least once, for the holder it finds if for nothing else: where
      // the keys' requests alone cost more than the copy, it is made before any search, and the
      // searches run while its holder data file is copied.
      if (copies(searched.size(), copy.costs().secondsToAsk) && copy.copyBefore(kHolderDataFile)) {
        copy.startCompleting();
        {
          ScreensBehindCopy screens(files, copy);
          behind = &screens;
          while (next < searched.size()) searchAt(next++);
          behind = nullptr;
          std::vector<size_t> unmade = screens.makeScreens(
              [&](size_t at, const QueryControls& screen) {
                results.put(at, foundLine(lines[at], screen, options.json));
              },
              options.securityName, options.decimalFlag);
          again.insert(again.end(), unmade.begin(), unmade.end());
        }
        copy.finishCompleting();
        for (size_t at : again)
          results.put(at, lookUp(window, ui, files, kind, options, lines[at]));
        readAhead = false;
      } else {
        double secondsPerKey = timeSearches();
        if (copies(searched.size() - next, secondsPerKey) && copy.complete())
          secondsPerKey = timeSearches();  // the copy's costs decide from here
        readAhead = readsAhead(mediumCosts(files, secondsPerKey), searched.size() - next,
                               kReadAheadStretch);
      }
    }
    std::optional<ReadAlongOrder> readAlong;
    if (readAhead.value_or(false)) {
      if (!orderLearned) {
        window.resumeWalksFrom(nullptr);  // the search for the first holder is not the batch's
        window.Form_Load();
        order = learnKeyOrder(window, ui, files, kind).order;
        window.resumeWalksFrom(&resume);
        orderLearned = true;
      }
      if (order) readAlong.emplace(files, *order);
    }
    for (; next < searched.size(); ++next) searchAt(next);
    for (size_t i = 0; i < lines.size(); ++i) {
      Line& line = lines[i];
      if (!line.key.refusal.empty()) {
        line.status = kExitUsage;
        results.put(
            i, missLine(line.number, line.key.key, line.key.refusal, kExitUsage, options.json));
        progress.advance();
      }
      // The worst line's status; a refused line counts as one that found nothing.
      status = std::max(status, line.status == kExitUsage ? kExitNoMatch : line.status);
    }
    results.writeInOrder(options.out);
  }
  progress.finish();
  return status;
}

}  // namespace kv884
