#pragma once
// Edits a copy of a data set the way damage on a disc or a faulty producer would: fields of detail
// records, holder data records and key pages replaced by character position, chains read back.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "check/check_report.hpp"
#include "check/data_set_check.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "dataset/record_number.hpp"
#include "headless/headless_ui.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"
#include "startwin/program.hpp"

namespace kv884::test {

class DataSetEditor {
 public:
  DataSetEditor(std::filesystem::path folder, const std::string& code)
      : detail_(folder / "ntridx" / (code + "idxd.sin")),
        pages_(folder / "ntridx" / (code + "idxp.sin")),
        holders_(folder / "ntr" / (code + ".sin")) {}

  std::u16string detailText(int64_t recNo) const {
    return decodeRecord(read(detail_, kDetailRecordLength, recNo), kDetailRecordChars);
  }
  int64_t detailCount() const {
    return static_cast<int64_t>(std::filesystem::file_size(detail_)) / kDetailRecordLength;
  }

  void setDetailField(int64_t recNo, RecordField f, std::u16string_view text) {
    replace(detail_, kDetailRecordLength, recNo, f, text);
  }
  void setHolderField(int64_t recNo, RecordField f, std::u16string_view text) {
    replace(holders_, kHolderRecordLength, recNo, f, text);
  }
  void setPageField(int64_t page, RecordField f, std::u16string_view text) {
    replace(pages_, kKeyPageLength, page, f, text);
  }
  std::u16string pageText(int64_t page) const {
    return decodeRecord(read(pages_, kKeyPageLength, page), kKeyPageLength);
  }
  // The leaf page that the first entry of kind's root page names.
  int64_t firstLeaf(const KeyKind& kind) const {
    return KeyPage{kind, pageText(kind.rootPage)}.number(1);
  }

  void setSuccessor(int kind, int64_t recNo, int64_t next) {
    setDetailField(recNo, keyKind(kind).successor, recordNumberText(next));
  }

  // The chain of kind from the record the first leaf entry names, as far as it goes.
  std::vector<int64_t> chain(int kind) const {
    const KeyKind& k = keyKind(kind);
    std::vector<int64_t> records;
    for (int64_t r = KeyPage{k, pageText(firstLeaf(k))}.number(1);
         r != kEndOfChain && records.size() <= static_cast<size_t>(detailCount());
         r = successorOf(k, detailText(r)))
      records.push_back(r);
    return records;
  }

 private:
  static std::string read(const std::filesystem::path& file, int length, int64_t recNo) {
    std::ifstream in(file, std::ios::binary);
    in.seekg((recNo - 1) * length);
    std::string bytes(static_cast<size_t>(length), ' ');
    in.read(bytes.data(), length);
    return bytes;
  }

  static void replace(const std::filesystem::path& file, int length, int64_t recNo, RecordField f,
                      std::u16string_view text) {
    std::u16string decoded = decodeBig5(read(file, length, recNo));
    putField(decoded, f, text);
    std::string bytes = encodeBig5(decoded);
    bytes.resize(static_cast<size_t>(length), ' ');
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp((recNo - 1) * length);
    out.write(bytes.data(), length);
  }

  std::filesystem::path detail_;
  std::filesystem::path pages_;
  std::filesystem::path holders_;
};

// Opens folder as the start window does and checks it; an opening that fails is a test failure.
inline CheckReport checkFolder(const std::filesystem::path& folder) {
  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(folder.string());
  program.frm_0.cmd_1_Click();
  if (!program.queryWindow()) throw std::runtime_error("the data set did not open");
  return checkDataSet(program);
}

// The shown problems of one class and kind.
inline std::vector<Problem> shown(const CheckReport& report, ProblemClass problemClass, int kind) {
  auto it = report.problems.groups().find({problemClass, kind});
  return it == report.problems.groups().end() ? std::vector<Problem>{} : it->second.shown;
}

// Every shown problem as "class/kind: note" lines, for a failure message.
inline std::string describe(const CheckReport& report) {
  std::string out;
  for (const auto& [key, group] : report.problems.groups())
    for (const Problem& p : group.shown)
      out += std::to_string(static_cast<int>(key.first)) + "/" + std::to_string(key.second) + ": " +
             toUtf8(p.note) + "\n";
  return out;
}

}  // namespace kv884::test
