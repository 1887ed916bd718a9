// kv884-bench: the window logic of the query window timed without any window system, side by
// side with the same look-ups in SQLite and by a plain scan of the data files.
//
//   kv884-bench [benchmark flags] --set LABEL=FOLDER ... [--window-only LABEL=FOLDER ...]
//               [--sqlite-dir DIR] [--keys N] [--scan-iterations N]
//
// Names: SYSTEM/ACTION/KIND/LABEL, SYSTEM one of kv884, sqlite, scan. Every benchmark reports
// the mean (Google Benchmark's time) and the counters median_us and p99_us of single actions.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "data_set_sample.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/key_kind.hpp"
#include "headless/command_line.hpp"
#include "headless/headless_ui.hpp"
#include "platform/host_path.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "sample_times.hpp"
#include "scan_peer.hpp"
#include "sqlite_peer.hpp"
#include "startwin/program.hpp"

namespace kv884::bench {
namespace {

using Clock = SampleTimes::Clock;

struct VerifiedKeys {
  std::vector<std::u16string> hits;
  std::vector<std::u16string> between;
  std::vector<std::u16string> worst;
  std::vector<std::u16string> above;  // one key, or none when no candidate sorted above all
};

struct BenchSet {
  std::string label;
  std::u16string folder;
  bool peers{true};
  HeadlessUi ui;
  std::unique_ptr<Program> program;
  std::array<VerifiedKeys, 4> keys;
  std::string databaseFile;
  double importSeconds{0};
  std::unique_ptr<SqlitePeer> sqlite;
  std::unique_ptr<ScanPeer> scan;
};

struct Settings {
  std::string sqliteDir{"."};
  int keysPerKind{100};
  int scanIterations{5};
};

QueryWindow& window(BenchSet& set) {
  return *set.program->queryWindow();
}

void typeAndSearch(QueryWindow& w, int kind, const std::u16string& key) {
  w.comb_1.text = keyKind(kind).caption;
  w.tx_i_01.text = key;
  w.cmd_1_Click();
}

// What a search with this key ends in: no message (a match) or the message text.
std::u16string searchOutcome(BenchSet& set, int kind, const std::u16string& key) {
  set.ui.messages.clear();
  typeAndSearch(window(set), kind, key);
  std::vector<std::u16string> texts = set.ui.takeMessages();
  return texts.empty() ? std::u16string() : texts.back();
}

void openSet(BenchSet& set) {
  set.program->frm_0.tx_i_01.text = set.folder;
  set.program->frm_0.cmd_1_Click();
  if (!set.program->queryWindow())
    throw std::runtime_error("cannot open the data set " + toUtf8(set.folder) + ": " +
                             toUtf8(set.ui.messages.empty() ? u"" : set.ui.messages.back().text));
}

// Keeps the keys that end as intended: hits match, the others end with the kind's messages.
void verifyKeys(BenchSet& set, const DataSetSample& sample) {
  for (const KeyKind& kind : keyKinds()) {
    const int k = kind.kind;
    const KindKeys& drawn = sample.kinds[k - 1];
    VerifiedKeys& keys = set.keys[k - 1];
    for (const std::u16string& key : drawn.hits)
      if (searchOutcome(set, k, key).empty()) keys.hits.push_back(key);
    for (const std::u16string& key : drawn.worst)
      if (searchOutcome(set, k, key).empty()) keys.worst.push_back(key);
    for (const std::u16string& key : drawn.between)
      if (searchOutcome(set, k, key) == kind.walkMissMessage) keys.between.push_back(key);
    for (const std::u16string& key : drawn.aboveCandidates) {
      if (searchOutcome(set, k, key) == kind.rootMissMessage) {
        keys.above.push_back(key);
        break;
      }
    }
    if (keys.hits.size() != drawn.hits.size())
      throw std::runtime_error("a key drawn from the key order does not match: " + set.label);
  }
}

// The peer has to find what the window finds: a holder for every hit, none for the misses.
// Among holders with equal keys the two may pick different ones (the chain's order of equal
// keys against the table's row order); those are counted, not failed.
void verifyPeer(BenchSet& set) {
  PeerRecord record;
  int otherHolder = 0;
  for (const KeyKind& kind : keyKinds()) {
    const int k = kind.kind;
    const VerifiedKeys& keys = set.keys[k - 1];
    for (const std::u16string& key : keys.hits) {
      typeAndSearch(window(set), k, key);
      if (!set.sqlite->search(k, key, record))
        throw std::runtime_error("SQLite finds no holder for the key " + toUtf8(key));
      if (record.fields[1] != window(set).tx_o_02.text) ++otherHolder;
    }
    for (const auto* list : {&keys.between, &keys.above})
      for (const std::u16string& key : *list)
        if (set.sqlite->search(k, key, record))
          throw std::runtime_error("SQLite finds a holder for a missing key " + toUtf8(key));
  }
  if (otherHolder > 0)
    std::cerr << "kv884-bench: " << set.label << ": for " << otherHolder
              << " keys held by several holders SQLite shows another of them first\n";
}

using BenchFunction = std::function<void(benchmark::State&)>;

void add(const std::string& name, BenchFunction function, int iterations = 0) {
  benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name.c_str(), function);
  b->UseManualTime()->Unit(benchmark::kMicrosecond);
  if (iterations > 0) b->Iterations(iterations);
}

// 查詢 with the keys in turn.
BenchFunction kv884Search(BenchSet* set, int kind, const std::vector<std::u16string>* keys) {
  return [=](benchmark::State& state) {
    QueryWindow& w = window(*set);
    SampleTimes times;
    size_t i = 0;
    for (auto _ : state) {
      w.comb_1.text = keyKind(kind).caption;
      w.tx_i_01.text = (*keys)[i++ % keys->size()];
      auto start = Clock::now();
      w.cmd_1_Click();
      times.add(state, start, Clock::now());
      set->ui.messages.clear();  // a key that finds nothing leaves its message
    }
    times.report(state);
  };
}

// 次筆 through the whole key order, from its start.
BenchFunction kv884Next(BenchSet* set, int kind) {
  return [=](benchmark::State& state) {
    QueryWindow& w = window(*set);
    SampleTimes times;
    typeAndSearch(w, kind, u"");
    for (auto _ : state) {
      if (!w.cmd_2.enabled) typeAndSearch(w, kind, u"");
      auto start = Clock::now();
      w.cmd_2_Click();
      times.add(state, start, Clock::now());
    }
    times.report(state);
  };
}

// 前一畫面 back to the oldest of 1000 screens, then 下一畫面 forward to the newest, and again.
BenchFunction kv884Paging(BenchSet* set, int kind) {
  return [=](benchmark::State& state) {
    QueryWindow& w = window(*set);
    typeAndSearch(w, kind, u"");
    for (int i = 1; i < kRingSlots && w.cmd_2.enabled; ++i) w.cmd_2_Click();
    SampleTimes times;
    bool back = true;
    for (auto _ : state) {
      if (back && !w.cmd_5.enabled) back = false;
      if (!back && !w.cmd_6.enabled) back = true;
      auto start = Clock::now();
      if (back) {
        w.cmd_5_Click();
      } else {
        w.cmd_6_Click();
      }
      times.add(state, start, Clock::now());
    }
    times.report(state);
  };
}

// The start window's open button, then the query window's 結束.
BenchFunction kv884OpenClose(BenchSet* set) {
  return [=](benchmark::State& state) {
    window(*set).cmd_3_Click();
    SampleTimes times;
    for (auto _ : state) {
      auto start = Clock::now();
      set->program->frm_0.cmd_1_Click();
      set->program->queryWindow()->cmd_3_Click();
      times.add(state, start, Clock::now());
    }
    times.report(state);
    openSet(*set);
  };
}

// A peer's look-up of the keys in turn: SQLite, or the plain scan.
template <class Peer>
BenchFunction peerSearch(BenchSet* set, std::unique_ptr<Peer> BenchSet::*peer, int kind,
                         const std::vector<std::u16string>* keys) {
  return [=](benchmark::State& state) {
    SampleTimes times;
    PeerRecord record;
    size_t i = 0;
    for (auto _ : state) {
      const std::u16string& key = (*keys)[i++ % keys->size()];
      auto start = Clock::now();
      benchmark::DoNotOptimize((set->*peer)->search(kind, key, record));
      times.add(state, start, Clock::now());
    }
    times.report(state);
  };
}

BenchFunction sqliteNext(BenchSet* set, int kind) {
  return [=](benchmark::State& state) {
    SampleTimes times;
    PeerRecord record;
    const std::u16string key;
    set->sqlite->start(kind, key);
    for (auto _ : state) {
      auto start = Clock::now();
      bool found = set->sqlite->next(kind, key, record);
      auto end = Clock::now();
      if (!found) {
        set->sqlite->start(kind, key);
        continue;
      }
      times.add(state, start, end);
    }
    times.report(state);
  };
}

BenchFunction sqlitePaging(BenchSet* set, int kind) {
  return [=](benchmark::State& state) {
    PeerRecord record;
    std::vector<int64_t> rows;
    set->sqlite->start(kind, u"");
    while (rows.size() < static_cast<size_t>(kRingSlots) && set->sqlite->next(kind, u"", record))
      rows.push_back(set->sqlite->lastRow());
    SampleTimes times;
    size_t i = 0;
    for (auto _ : state) {
      int64_t row = rows[i++ % rows.size()];
      auto start = Clock::now();
      benchmark::DoNotOptimize(set->sqlite->byRow(row, record));
      times.add(state, start, Clock::now());
    }
    times.report(state);
  };
}

BenchFunction sqliteOpenClose(BenchSet* set) {
  return [=](benchmark::State& state) {
    SampleTimes times;
    for (auto _ : state) {
      auto start = Clock::now();
      { SqlitePeer peer(set->databaseFile); }
      times.add(state, start, Clock::now());
    }
    times.report(state);
  };
}

BenchFunction sqliteImport(BenchSet* set) {
  return [=](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(set->importSeconds);
    state.counters["median_us"] = set->importSeconds * 1e6;
    state.counters["p99_us"] = set->importSeconds * 1e6;
  };
}

void prepareSet(BenchSet& set, const Settings& settings) {
  set.program = std::make_unique<Program>(set.ui);
  openSet(set);
  DataSetSample sample = sampleDataSet(set.program->files, settings.keysPerKind);
  verifyKeys(set, sample);
  if (!set.peers) return;

  const std::u16string& code = set.program->frm_0.m_SecurityCode;
  set.databaseFile = settings.sqliteDir + "/" + set.label + ".sqlite";
  auto start = Clock::now();
  SqlitePeer::importInto(set.databaseFile, set.program->files, set.folder, code);
  set.importSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  set.sqlite = std::make_unique<SqlitePeer>(set.databaseFile);
  verifyPeer(set);
  set.scan = std::make_unique<ScanPeer>(mapHostPath(detailIndexPath(set.folder, code)).path,
                                        mapHostPath(holderDataPath(set.folder, code)).path);
}

void registerSet(BenchSet& set, const Settings& settings) {
  BenchSet* s = &set;
  const std::string& label = set.label;
  auto name = [&](const char* system, const char* action, std::string_view kind) {
    return std::string(system) + "/" + action + "/" + std::string(kind) + "/" + label;
  };
  add(name("kv884", "open_close", "-"), kv884OpenClose(s));
  if (set.peers) {
    add(name("sqlite", "import", "-"), sqliteImport(s), 1);
    add(name("sqlite", "open_close", "-"), sqliteOpenClose(s));
  }
  for (const KeyKind& keyKind : keyKinds()) {
    const int k = keyKind.kind;
    const std::string_view kind = keyKind.commandName;
    VerifiedKeys& keys = set.keys[k - 1];
    struct Search {
      const char* action;
      const std::vector<std::u16string>* keys;
    };
    for (Search search :
         {Search{"search_hit", &keys.hits}, Search{"search_between", &keys.between},
          Search{"search_above", &keys.above}, Search{"search_worst", &keys.worst}}) {
      if (search.keys->empty()) continue;
      add(name("kv884", search.action, kind), kv884Search(s, k, search.keys));
      if (set.peers)
        add(name("sqlite", search.action, kind), peerSearch(s, &BenchSet::sqlite, k, search.keys));
    }
    add(name("kv884", "next", kind), kv884Next(s, k));
    add(name("kv884", "paging", kind), kv884Paging(s, k));
    if (set.peers) {
      add(name("sqlite", "next", kind), sqliteNext(s, k));
      add(name("sqlite", "paging", kind), sqlitePaging(s, k));
      add(name("scan", "search_hit", kind), peerSearch(s, &BenchSet::scan, k, &keys.hits),
          settings.scanIterations);
      if (!keys.between.empty())
        add(name("scan", "search_between", kind), peerSearch(s, &BenchSet::scan, k, &keys.between),
            settings.scanIterations);
    }
  }
}

}  // namespace
}  // namespace kv884::bench

namespace kv884::bench {
namespace {

// A set named LABEL=FOLDER on the command line; peers: also imported into SQLite and scanned.
void addSets(std::vector<std::unique_ptr<BenchSet>>& sets,
             const std::vector<std::string>& namedFolders, bool peers) {
  for (const std::string& named : namedFolders) {
    const size_t eq = named.find('=');
    auto set = std::make_unique<BenchSet>();
    set->label = named.substr(0, eq);
    set->folder = fromUtf8(named.substr(eq + 1));
    set->peers = peers;
    sets.push_back(std::move(set));
  }
}

}  // namespace
}  // namespace kv884::bench

int main(int argc, char** argv) {
  using namespace kv884::bench;
  benchmark::Initialize(&argc, argv);  // takes the --benchmark_... flags out of argv
  CLI::App app("The window logic of KV884 timed beside SQLite and a plain scan.", "kv884-bench");
  Settings settings;
  std::vector<std::string> withPeers, windowOnly;
  const auto labelled = CLI::Validator(
      [](std::string& named) {
        return named.find('=') == std::string::npos ? "not LABEL=FOLDER" : "";
      },
      "LABEL=FOLDER");
  app.add_option("--set", withPeers, "a data set, timed beside its peers")->check(labelled);
  app.add_option("--window-only", windowOnly, "a data set, the window logic only")->check(labelled);
  app.add_option("--sqlite-dir", settings.sqliteDir, "where the SQLite databases go");
  app.add_option("--keys", settings.keysPerKind, "sampled keys per kind")
      ->check(CLI::PositiveNumber);
  app.add_option("--scan-iterations", settings.scanIterations, "repetitions of a plain scan")
      ->check(CLI::PositiveNumber);
  if (std::optional<int> status = kv884::parseCommandLine(
          app, std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr))
    return *status;
  std::vector<std::unique_ptr<BenchSet>> sets;
  addSets(sets, withPeers, true);
  addSets(sets, windowOnly, false);
  if (sets.empty()) return kv884::usageError(app, std::cerr, "give at least one --set");
  try {
    std::filesystem::create_directories(settings.sqliteDir);
    for (auto& set : sets) {
      std::cerr << "kv884-bench: preparing " << set->label << "\n";
      prepareSet(*set, settings);
      registerSet(*set, settings);
    }
  } catch (const std::exception& e) {
    std::cerr << "kv884-bench: " << e.what() << "\n";
    return 1;
  }
  // The tables read the kinds from here, in order, named as the windows name them.
  for (const kv884::KeyKind& k : kv884::keyKinds())
    benchmark::AddCustomContext("kind " + std::to_string(k.kind),
                                std::string(k.commandName) + "=" + kv884::toUtf8(k.name()));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
