// kv884-batch-bench: what kv884-query --keys is measured against, each run as a whole process
// by scripts/run-bench, and the key file they all read.
//
//   kv884-batch-bench keys FOLDER COUNT FILE   writes COUNT 統一編號 keys of the set, one a line,
//                                              in no order; one in twenty finds nothing
//   kv884-batch-bench clicks FOLDER FILE       查詢 for each key in a freshly loaded query window,
//                                              as a single look-up makes it; prints the click
//                                              times (JSON: keys, total, mean and median in µs)
//   kv884-batch-bench sqlite FOLDER DB FILE    SQLite's whole task: the delivered files imported
//                                              into DB, then a prepared look-up of each key
//   kv884-batch-bench lookups DB FILE          the look-ups alone, on a DB imported before
//
// The look-ups print one line per key, as kv884-query does: the twelve fields, or "-".

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "data_set_sample.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "headless/command_line.hpp"
#include "headless/headless_ui.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "sqlite_peer.hpp"
#include "startwin/program.hpp"

namespace kv884::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::u16string> readKeys(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file);
  std::vector<std::u16string> keys;
  for (std::string line; std::getline(in, line);) keys.push_back(fromUtf8(line));
  return keys;
}

// The program over the set, its query window loaded.
struct OpenedSet {
  explicit OpenedSet(const std::string& folder) : program(ui) {
    program.frm_0.tx_i_01.text = fromUtf8(folder);
    program.frm_0.cmd_1_Click();
    if (!program.queryWindow()) throw std::runtime_error("cannot open " + folder);
  }
  HeadlessUi ui;
  Program program;
};

// Every tenth detail record's 統一編號, shuffled; every twentieth key made one that lies just
// above its own and begins no key.
int writeKeys(const std::string& folder, size_t count, const std::string& file) {
  OpenedSet set(folder);
  const std::string details =
      readWholeFile(detailIndexPath(fromUtf8(folder), set.program.frm_0.m_SecurityCode));
  std::vector<std::string> keys;
  for (size_t at = 0; at + kDetailRecordLength <= details.size() && keys.size() < count;
       at += 10 * kDetailRecordLength) {
    std::u16string text =
        decodeRecord(std::string_view(details).substr(at, kDetailRecordLength), kDetailRecordChars);
    std::string key = toUtf8(DetailRecord{text}.idKey());
    keys.push_back(keys.size() % 20 == 19 ? key + "~" : key);
  }
  std::shuffle(keys.begin(), keys.end(), std::mt19937(14));
  std::ofstream out(file, std::ios::binary);
  for (const std::string& key : keys) out << key << '\n';
  return out ? 0 : 1;
}

int timeClicks(const std::string& folder, const std::string& file) {
  OpenedSet set(folder);
  QueryWindow& w = *set.program.queryWindow();
  std::vector<double> micros;
  for (const std::u16string& key : readKeys(file)) {
    w.Form_Load();
    w.comb_1.text = keyKind(1).caption;
    w.tx_i_01.text = key;
    const auto start = Clock::now();
    w.cmd_1_Click();
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    set.ui.messages.clear();
  }
  double total = 0;
  for (double m : micros) total += m;
  std::sort(micros.begin(), micros.end());
  std::cout << "{\"keys\": " << micros.size() << ", \"total_us\": " << total
            << ", \"mean_us\": " << total / static_cast<double>(micros.size())
            << ", \"median_us\": " << micros[micros.size() / 2] << "}\n";
  return 0;
}

int lookUp(const std::string& database, const std::string& file) {
  SqlitePeer peer(database);
  PeerRecord record;
  std::string line;
  for (const std::u16string& key : readKeys(file)) {
    line.clear();
    if (peer.search(1, key, record)) {
      for (const std::u16string& field : record.fields) line += toUtf8(field) + '\t';
    } else {
      line = "-";
    }
    std::cout << line << '\n';
  }
  return 0;
}

int importAndLookUp(const std::string& folder, const std::string& database,
                    const std::string& file) {
  {
    OpenedSet set(folder);
    SqlitePeer::importInto(database, set.program.files, fromUtf8(folder),
                           set.program.frm_0.m_SecurityCode);
  }
  return lookUp(database, file);
}

}  // namespace
}  // namespace kv884::bench

int main(int argc, char** argv) {
  using namespace kv884::bench;
  std::ios::sync_with_stdio(false);
  CLI::App app("The peers of kv884-query --keys, and their key file.", "kv884-batch-bench");
  app.require_subcommand(1);
  std::string folder, database, file;
  size_t count = 0;
  CLI::App* keys = app.add_subcommand("keys", "write a key file");
  keys->add_option("FOLDER", folder)->required();
  keys->add_option("COUNT", count)->required();
  keys->add_option("FILE", file)->required();
  CLI::App* clicks = app.add_subcommand("clicks", "time single 查詢s");
  clicks->add_option("FOLDER", folder)->required();
  clicks->add_option("FILE", file)->required();
  CLI::App* sqlite = app.add_subcommand("sqlite", "import, then look up");
  sqlite->add_option("FOLDER", folder)->required();
  sqlite->add_option("DB", database)->required();
  sqlite->add_option("FILE", file)->required();
  CLI::App* lookups = app.add_subcommand("lookups", "look up in an imported DB");
  lookups->add_option("DB", database)->required();
  lookups->add_option("FILE", file)->required();
  if (std::optional<int> status = kv884::parseCommandLine(
          app, std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr))
    return *status;
  try {
    if (*keys) return writeKeys(folder, count, file);
    if (*clicks) return timeClicks(folder, file);
    if (*sqlite) return importAndLookUp(folder, database, file);
    return lookUp(database, file);
  } catch (const std::exception& e) {
    std::cerr << "kv884-batch-bench: " << e.what() << "\n";
    return 1;
  }
}
