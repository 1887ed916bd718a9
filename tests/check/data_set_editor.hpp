#pragma once
// Damages a copy of a data set as a faulty disc or producer would: fields of detail records,
// holder data records and key pages replaced by character position, through Big5 both ways.
// And the check of a folder: by kv884-check's command, or opened as the start window opens it.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "check/check_command.hpp"
#include "check/data_set_check.hpp"
#include "check/report_output.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"
#include "headless/headless_ui.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

// A record file of the data set, read and written a whole record at a time.
struct RecordFile {
  std::filesystem::path path;
  size_t length;

  std::u16string text(int64_t recNo) const {  // decoded whole
    return decodeBig5(readFile(path).substr(static_cast<size_t>(recNo - 1) * length, length));
  }
  // Replaces a field of record recNo by character position.
  void put(int64_t recNo, RecordField f, std::u16string_view value) const {
    std::u16string record = text(recNo);
    putField(record, f, value);
    std::string bytes = encodeBig5(record);
    bytes.resize(length, ' ');
    writeFile(path, readFile(path).replace(static_cast<size_t>(recNo - 1) * length, length, bytes));
  }
};

class DataSetEditor {
 public:
  DataSetEditor(const std::filesystem::path& folder, const std::string& code)
      : detail{folder / "ntridx" / (code + "idxd.sin"), kDetailRecordLength},
        pages{folder / "ntridx" / (code + "idxp.sin"), kKeyPageLength},
        holders{folder / "ntr" / (code + ".sin"), kHolderRecordLength} {}

  int64_t detailCount() const {
    return static_cast<int64_t>(std::filesystem::file_size(detail.path)) / kDetailRecordLength;
  }
  std::u16string detailText(int64_t recNo) const {
    return detail.text(recNo).substr(0, kDetailRecordChars);
  }
  void setSuccessor(int kind, int64_t recNo, int64_t next) const {
    detail.put(recNo, keyKind(kind).successor, recordNumberText(next));
  }
  // The leaf page that the first entry of kind's root page names.
  int64_t firstLeaf(int kind) const {
    return KeyPage{keyKind(kind), pages.text(keyKind(kind).rootPage)}.number(1);
  }
  // The chain of kind from the record the first leaf entry names, as far as it goes.
  std::vector<int64_t> chain(int kind) const {
    std::vector<int64_t> records;
    for (int64_t r = KeyPage{keyKind(kind), pages.text(firstLeaf(kind))}.number(1);
         r != kEndOfChain && records.size() <= static_cast<size_t>(detailCount());
         r = successorOf(keyKind(kind), detailText(r)))
      records.push_back(r);
    return records;
  }

  RecordFile detail, pages, holders;
};

struct CheckRun {
  int status;
  std::string out, err;
};

// kv884-check with args, in this process.
inline CheckRun runCheck(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = runCheckCommand(args, out, err);
  return {status, out.str(), err.str()};
}

// Opens folder as the start window does and checks it; an opening that fails is a test failure.
inline CheckReport checkFolder(const std::filesystem::path& folder) {
  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(folder.string());
  program.frm_0.cmd_1_Click();
  if (!program.queryWindow()) throw std::runtime_error("the data set did not open");
  return checkDataSet(program);
}

// The report as text, for a failure message.
inline std::string describe(const CheckReport& report) {
  return reportText(report);
}

}  // namespace kv884::test
