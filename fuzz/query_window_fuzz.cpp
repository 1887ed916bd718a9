// The whole query window over three arbitrary files and an arbitrary sequence of actions. The
// input is: three 32-bit little-endian lengths, the holder-key index file, the detail index file
// and the holder data file of those lengths, then the actions, one byte each (a search takes a
// further byte for the key length and that many bytes of Big5 key text):
//   0-3 search by kind 1-4 with a key, 4 次筆, 5 前一畫面, 6 下一畫面, 7 pick a kind from the list
//   or click into the key box, 8 close the window and open the data set again, 9 search with a
//   combo box text that is no caption.
// The files go into a folder in memory-backed storage, through the real file table. Properties
// after every action: the window shows only its own messages; a MSG_1_08 leaves every control and
// window-level value as it was; files 1, 2 and 3 are open exactly while the window is loaded; the
// ring indexes stay in their ranges; every walk ends (libFuzzer's -timeout catches one that does
// not).

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "headless/headless_ui.hpp"
#include "memory_file.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "support/window_snapshot.hpp"

namespace fs = std::filesystem;

namespace {

using kv884::fuzz::fail;

// Made on first use and removed when the fuzzer exits; never destroyed before that.
const fs::path& folder() {
  static const fs::path* const path = [] {
    fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    auto* p = new fs::path(base / ("kv884-fuzz-" + std::to_string(::getpid())));
    fs::create_directories(*p / "ntr");
    fs::create_directories(*p / "ntridx");
    std::ofstream(*p / "ntridx" / "security.txt", std::ios::binary)
        << "\"F\",\"NAME\",\"D\",\"Y\"\r\n";
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(folder(), ec);
    });
    return p;
  }();
  return *path;
}

void write(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) fail("cannot write a fuzz data file");
}

struct Reader {
  const uint8_t* data;
  size_t size;
  size_t pos{0};

  bool more() const { return pos < size; }
  uint8_t byte() { return pos < size ? data[pos++] : 0; }
  uint32_t length() {
    uint32_t n = 0;
    for (int i = 0; i < 4; ++i) n |= uint32_t{byte()} << (8 * i);
    return n;
  }
  std::string_view bytes(size_t n) {
    n = std::min(n, size - pos);
    std::string_view s(reinterpret_cast<const char*>(data + pos), n);
    pos += n;
    return s;
  }
};

bool isQueryMessage(const std::u16string& m) {
  static const std::u16string kKnown[] = {
      u"MSG_1_01:查詢條件 不在範圍內 !", u"MSG_1_02:無符合資料 !", u"MSG_1_03:無符合資料 !",
      u"MSG_1_04:無符合資料 !",          u"MSG_1_05:無符合資料 !", u"MSG_1_06:無符合資料 !",
      u"MSG_1_07:無符合資料 !"};
  for (const std::u16string& k : kKnown)
    if (m == k) return true;
  return m.rfind(u"MSG_1_08:資料讀取錯誤 !\r\n", 0) == 0;
}

void checkRing(const kv884::QueryWindow& w) {
  auto inRange = [](int16_t slot) { return slot >= 1 && slot <= kv884::kRingSlots; };
  if (w.m_HistFirst == 0) {
    if (w.m_HistPos != 0 || w.m_HistLast != 0) fail("a ring with a position but no first slot");
    return;
  }
  if (!inRange(w.m_HistFirst) || !inRange(w.m_HistPos) || !inRange(w.m_HistLast))
    fail("a ring index out of range");
  auto offset = [&](int16_t slot) {
    return (slot - w.m_HistFirst + kv884::kRingSlots) % kv884::kRingSlots;
  };
  if (offset(w.m_HistPos) > offset(w.m_HistLast)) fail("the shown slot is not an occupied one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  Reader in{data, size};
  const uint32_t keyIndexLength = in.length();
  const uint32_t detailLength = in.length();
  const uint32_t holderLength = in.length();
  write(folder() / "ntridx" / "Fidxp.sin", in.bytes(keyIndexLength));
  write(folder() / "ntridx" / "Fidxd.sin", in.bytes(detailLength));
  write(folder() / "ntr" / "F.sin", in.bytes(holderLength));

  HeadlessUi ui;
  Program program(ui);
  program.frm_0.tx_i_01.text = fromUtf8(folder().string());
  program.frm_0.cmd_1_Click();
  ui.messages.clear();
  for (int actions = 0; in.more() && actions < 64; ++actions) {
    const uint8_t op = in.byte();
    QueryWindow* w = program.queryWindow();
    if (op % 10 == 8) {
      if (w) w->cmd_3_Click();
      program.frm_0.cmd_1_Click();
      ui.messages.clear();
      w = program.queryWindow();
    }
    if (!w) {
      if (!program.files.openNumbers().empty()) fail("files left open without the window");
      continue;
    }
    // Typing into the boxes comes first; the click is what MSG_1_08 has to undo.
    const int action = op % 10;
    if (action <= 3) {
      static const std::u16string_view kCaptions[] = {u"依 統一編號", u"依 帳號", u"依 戶號",
                                                      u"依 中文戶名"};
      w->comb_1.text = kCaptions[action];
      std::u16string key = decodeBig5(in.bytes(in.byte() % 25));
      if (key.size() > 12) key.resize(12);
      w->tx_i_01.text = key;
    } else if (action == 9) {
      w->comb_1.text = u"依統一編號";
    }
    const std::string before = test::describe(*w);
    if (action <= 3 || action == 9) w->cmd_1_Click();
    if (action == 4) w->cmd_2_Click();
    if (action == 5) w->cmd_5_Click();
    if (action == 6) w->cmd_6_Click();
    if (action == 7) (op / 10 % 2) ? w->comb_1_Click() : w->tx_i_01_Click();
    const std::vector<std::u16string> messages = ui.takeMessages();
    if (messages.size() > 1) fail("one click showed more than one message");
    for (const std::u16string& m : messages) {
      if (!isQueryMessage(m)) fail("a message the query window does not have");
      if (m.rfind(u"MSG_1_08", 0) == 0 && test::describe(*w) != before)
        fail("MSG_1_08 left the window changed");
    }
    if (program.files.openNumbers() != std::vector<int>{1, 2, 3})
      fail("the loaded window does not hold exactly files 1, 2 and 3");
    checkRing(*w);
  }
  return 0;
}
