// The start and query windows over five arbitrary files (the descriptor after its code "F", the
// holder-key index, the detail index, the holder data and the count report, after their five
// 32-bit little-endian lengths): the count report opened, the data set opened, then up to 64
// actions of a byte each in the query window: 0-3 search
// by kind 1-4 (a key length byte and Big5 key bytes follow), 4 次筆, 5 前一畫面, 6 下一畫面,
// 7 pick a kind or click into the key box, 8 close and open again, 9 search with no caption.
// The report shows its text or one message of its own. After every action: only the window's own
// messages, one at most; a MSG_1_08 leaves the window
// as it was; files 1, 2 and 3 open exactly while the window is loaded; ring indexes in range.

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/key_kind.hpp"
#include "headless/headless_ui.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "support/window_snapshot.hpp"

namespace {

namespace fs = std::filesystem;
// A crash libFuzzer reports; the property shows in the stack trace.
[[noreturn]] void fail(const char* /*property*/) {
  std::abort();
}

// The data set folder of this fuzzer process; removed at the exit.
struct Folder {
  fs::path path = fs::path("/dev/shm") / ("kv884-fuzz-" + std::to_string(::getpid()));
  Folder() {
    fs::create_directories(path / "ntr");
    fs::create_directories(path / "ntridx");
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

struct Input {
  std::string_view rest;

  std::string_view take(size_t n) {
    const std::string_view taken = rest.substr(0, n);
    rest.remove_prefix(taken.size());
    return taken;
  }
  uint8_t byte() {
    const std::string_view b = take(1);
    return b.empty() ? 0 : static_cast<uint8_t>(b[0]);
  }
};

bool isQueryMessage(const std::u16string& m) {
  const bool noMatch = m.size() == 16 && m.starts_with(u"MSG_1_0") && m[7] >= u'2' &&
                       m[7] <= u'7' && m.ends_with(u":無符合資料 !");
  return noMatch || m == u"MSG_1_01:查詢條件 不在範圍內 !" ||
         m.starts_with(u"MSG_1_08:資料讀取錯誤 !\r\n");
}

void checkRing(const kv884::QueryWindow& w) {
  if (w.m_HistFirst == 0) {
    if (w.m_HistPos != 0 || w.m_HistLast != 0) fail("a ring with a position but no first slot");
    return;
  }
  for (int16_t slot : {w.m_HistFirst, w.m_HistPos, w.m_HistLast})
    if (slot < 1 || slot > kv884::kRingSlots) fail("a ring index out of range");
  auto offset = [&](int16_t slot) {
    return (slot - w.m_HistFirst + kv884::kRingSlots) % kv884::kRingSlots;
  };
  if (offset(w.m_HistPos) > offset(w.m_HistLast)) fail("the shown slot is not an occupied one");
}

void write(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  static const Folder folder;
  Input in{{reinterpret_cast<const char*>(data), size}};
  uint32_t lengths[5] = {};  // little-endian, as this machine's
  const std::string_view head = in.take(sizeof lengths);
  std::memcpy(lengths, head.data(), head.size());
  write(folder.path / "ntridx" / "security.txt", "\"F\"," + std::string(in.take(lengths[0])));
  write(folder.path / "ntridx" / "Fidxp.sin", in.take(lengths[1]));
  write(folder.path / "ntridx" / "Fidxd.sin", in.take(lengths[2]));
  write(folder.path / "ntr" / "F.sin", in.take(lengths[3]));
  write(folder.path / "ntr" / "F.ptr", in.take(lengths[4]));

  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(folder.path.string());
  program.frm_0.cmd_5_Click();
  const std::vector<std::u16string> reportMessages = ui.takeMessages();
  if (reportMessages.size() > 1 ||
      (reportMessages.size() == 1 && !reportMessages[0].starts_with(u"MSG_0_1")))
    fail("the count report showed a message it does not have");
  program.frm_0.cmd_1_Click();
  ui.messages.clear();
  for (int actions = 0; !in.rest.empty() && actions < 64; ++actions) {
    const uint8_t op = in.byte();
    const int action = op % 10;
    if (action == 8) {
      if (program.queryWindow()) program.queryWindow()->cmd_3_Click();
      program.frm_0.cmd_1_Click();
      ui.messages.clear();
    }
    QueryWindow* w = program.queryWindow();
    if (!w) {
      if (!program.files.openNumbers().empty()) fail("files left open without the window");
      continue;
    }
    // Typing into the boxes comes first; the click is what MSG_1_08 has to undo.
    if (action <= 3) {
      w->comb_1.text = keyKind(action + 1).caption;
      w->tx_i_01.text = decodeBig5(in.take(in.byte() % 25)).substr(0, 12);
    }
    if (action == 9) w->comb_1.text = u"依統一編號";
    const test::WindowSnapshot before = test::snapshot(*w);
    if (action <= 3 || action == 9) w->cmd_1_Click();
    if (action == 4) w->cmd_2_Click();
    if (action == 5) w->cmd_5_Click();
    if (action == 6) w->cmd_6_Click();
    if (action == 7) (op / 10 % 2) ? w->comb_1_Click() : w->tx_i_01_Click();
    const std::vector<std::u16string> messages = ui.takeMessages();
    if (messages.size() > 1) fail("one click showed more than one message");
    for (const std::u16string& m : messages) {
      if (!isQueryMessage(m)) fail("a message the query window does not have");
      if (m.starts_with(u"MSG_1_08") && test::snapshot(*w) != before)
        fail("MSG_1_08 left the window changed");
    }
    if (program.files.openNumbers() != std::vector<int>{1, 2, 3})
      fail("the loaded window does not hold exactly files 1, 2 and 3");
    checkRing(*w);
  }
  return 0;
}
