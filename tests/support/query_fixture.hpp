#pragma once
// A writable copy of a shared fixture, opened through the start window, with the query window
// at hand; and byte-level edits of its detail records for damaged variants.

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "support/recording_ui.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

class OpenedFixture {
 public:
  explicit OpenedFixture(const std::string& name = "basic");

  // Opens the set; the query window must load.
  QueryWindow& open();
  QueryWindow& window() { return *program.queryWindow(); }

  // Types a key for a kind caption and presses 查詢.
  void search(const std::u16string& caption, const std::u16string& key);

  std::filesystem::path file(const std::string& relative) const { return set / relative; }

  TempFolder temp;
  std::filesystem::path set;
  RecordingUi ui;
  Program program;
};

// Overwrites the characters of a detail record from 1-based character position `position`
// (the record's double-byte characters taken into account) with ASCII `text`.
void patchDetailRecord(const std::filesystem::path& detailFile, int64_t recNo, int position,
                       const std::string& text);

// Everything the query window shows and holds, as one comparable text.
std::string describe(const QueryWindow& w);

}  // namespace kv884::test
