#pragma once
// Damaged data sets for the reliability tests: a writable copy of a fixture data set, damaged byte
// by byte; the window logic driven over it with every message recorded; kv884-query run over it
// under a time limit.

#include <sys/wait.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_paths.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "support/recording_ui.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

namespace fs = std::filesystem;

// A copy of a fixture data set (basic: code 7701, 30 holders) to damage.
class DamagedSet {
 public:
  explicit DamagedSet(const std::string& fixture = "basic", const std::string& code = "7701")
      : folder_(copyFixture(fixture, temp_.path())), code_(code) {}

  const fs::path& folder() const { return folder_; }
  // The folder as the folder box holds it.
  std::u16string folderText() const { return fromUtf8(folder_.string()); }

  fs::path descriptor() const { return folder_ / "ntridx" / "security.txt"; }
  fs::path holderData() const { return folder_ / "ntr" / (code_ + ".sin"); }
  fs::path keyIndex() const { return folder_ / "ntridx" / (code_ + "idxp.sin"); }
  fs::path detailIndex() const { return folder_ / "ntridx" / (code_ + "idxd.sin"); }
  fs::path countReport() const { return folder_ / "ntr" / (code_ + ".ptr"); }

  // Overwrites bytes of record recNo, starting at the byte where character `position` (1-based)
  // of its record text begins.
  static void patch(const fs::path& file, int recordLength, int64_t recNo, int position,
                    std::string_view bytes) {
    const size_t start = static_cast<size_t>(recNo - 1) * static_cast<size_t>(recordLength);
    patchAt(file, start + byteOfCharacter(readRange(file, start, recordLength), position), bytes);
  }

  // The raw bytes of a field: `length` characters from character `position` of record recNo.
  static std::string fieldBytes(const fs::path& file, int recordLength, int64_t recNo, int position,
                                int length) {
    std::string record = readRange(
        file, static_cast<size_t>(recNo - 1) * static_cast<size_t>(recordLength), recordLength);
    size_t from = byteOfCharacter(record, position);
    size_t to = byteOfCharacter(record, position + length);
    return record.substr(from, to - from);
  }

  // Bytes of a file read and written in place, so large sparse files stay sparse.
  static std::string readRange(const fs::path& file, size_t offset, size_t length) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(length, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
  }
  static void patchAt(const fs::path& file, size_t offset, std::string_view bytes) {
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot patch " + file.string());
  }

  static void resize(const fs::path& file, uintmax_t size) { fs::resize_file(file, size); }

  // Key pages: entry i (1 to 100) of every kind takes 18 bytes, its six-digit number last.
  void setEntryNumber(int page, int entry, std::string_view digits) const {
    patchAt(keyIndex(), pageOffset(page, entry) + 12, digits);
  }
  void setEntryKey(int page, int entry, std::string_view twelveBytes) const {
    patchAt(keyIndex(), pageOffset(page, entry), twelveBytes);
  }
  static size_t pageOffset(int page, int entry) {
    return static_cast<size_t>(page - 1) * 1800 + static_cast<size_t>(entry - 1) * 18;
  }

  // Detail index and holder data fields by character position.
  void setDetailField(int64_t recNo, int position, std::string_view bytes) const {
    patch(detailIndex(), kDetailRecordLength, recNo, position, bytes);
  }
  void setHolderField(int64_t recNo, int position, std::string_view bytes) const {
    patch(holderData(), kHolderRecordLength, recNo, position, bytes);
  }
  std::string detailField(int64_t recNo, int position, int length) const {
    return fieldBytes(detailIndex(), kDetailRecordLength, recNo, position, length);
  }

  // Counting rule of the record texts: a lead byte followed by a trail byte is one character,
  // every other byte one character.
  static size_t byteOfCharacter(std::string_view record, int position) {
    size_t at = 0;
    for (int c = 1; c < position && at < record.size(); ++c) {
      auto b = static_cast<unsigned char>(record[at]);
      auto t = at + 1 < record.size() ? static_cast<unsigned char>(record[at + 1]) : 0;
      bool pair = b >= 0x81 && b <= 0xFE && ((t >= 0x40 && t <= 0x7E) || (t >= 0xA1 && t <= 0xFE));
      at += pair ? 2 : 1;
    }
    return at;
  }

 private:
  TempFolder temp_;
  fs::path folder_;
  std::string code_;
};

// Detail index fields by character position (the successor of each key kind and DataRecNo).
inline constexpr int kDataRecNoAt = 38;
inline int successorAt(int kind) {
  return kind == 1 ? 44 : kind == 2 ? 50 : kind == 3 ? 62 : 56;
}

inline const std::u16string kCaptionOf[5] = {u"", u"依 統一編號", u"依 帳號", u"依 戶號",
                                             u"依 中文戶名"};
inline const char* const kCliKindOf[5] = {"", "id", "account", "holder", "name"};

// The program with its start window's folder box set, as the user leaves it before opening.
struct Session {
  explicit Session(const std::u16string& folder) { program.frm_0.tx_i_01.text = folder; }

  bool open() {
    program.frm_0.cmd_1_Click();
    return program.queryWindow() != nullptr;
  }
  QueryWindow& window() { return *program.queryWindow(); }
  void search(int kind, const std::u16string& key) {
    window().comb_1.text = kCaptionOf[kind];
    window().tx_i_01.text = key;
    window().cmd_1_Click();
  }

  RecordingUi ui;
  Program program{ui};
};

// Every control text and button state of the query window, and every window-level value.
struct WindowState {
  explicit WindowState(const QueryWindow& w)
      : texts{w.comb_1.text,    w.tx_i_01.text, w.tx_o_01.text, w.tx_o_19.text,
              w.tx_o_23.text,   w.tx_o_02.text, w.tx_o_03.text, w.tx_o_04.text,
              w.tx_o_04_x.text, w.tx_o_05.text, w.tx_o_18.text, w.tx_o_11.text,
              w.tx_o_12.text,   w.tx_o_09.text, w.tx_o_24.text, w.tx_o_pnt.text},
        enabled{w.cmd_1.enabled, w.cmd_2.enabled, w.cmd_3.enabled,
                w.cmd_4.enabled, w.cmd_5.enabled, w.cmd_6.enabled},
        values{w.m_SearchKind, w.m_SearchKeyLen, w.m_SearchRecNo, w.m_NextRecNo,
               w.m_DataRecNo,  w.m_HistFirst,    w.m_HistPos,     w.m_HistLast},
        strings{w.m_SearchKey, w.m_IdxdRec, w.m_DataRec},
        histIdxd(w.m_HistIdxd.begin(), w.m_HistIdxd.end()),
        histData(w.m_HistData.begin(), w.m_HistData.end()) {}

  bool operator==(const WindowState&) const = default;

  std::vector<std::u16string> texts;
  std::vector<bool> enabled;
  std::vector<int64_t> values;
  std::vector<std::u16string> strings;
  std::vector<int32_t> histIdxd;
  std::vector<int32_t> histData;
};

// kv884-query's exit status and output; status 124 when the time limit stopped it.
struct QueryRun {
  int status{-1};
  std::string out;
  std::string err;
};

inline std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline QueryRun runQuery(const std::vector<std::string>& args, int timeoutSeconds = 60) {
  TempFolder outputs;
  std::string command =
      "timeout -k 5 " + std::to_string(timeoutSeconds) + " " + quoted(KV884_QUERY_BIN);
  for (const std::string& a : args) command += " " + quoted(a);
  command += " </dev/null >" + quoted((outputs.path() / "out").string()) + " 2>" +
             quoted((outputs.path() / "err").string());
  int raw = std::system(command.c_str());
  QueryRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = readFile(outputs.path() / "out");
  run.err = readFile(outputs.path() / "err");
  return run;
}

// A message box's text as kv884-query writes it on standard error.
inline std::string stderrOf(const std::u16string& message) {
  std::string text = toUtf8(message);
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
  return text + "\n";
}

inline size_t lineCount(const std::string& text) {
  size_t n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

}  // namespace kv884::test
