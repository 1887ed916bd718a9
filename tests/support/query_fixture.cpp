#include "support/query_fixture.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

namespace kv884::test {

OpenedFixture::OpenedFixture(const std::string& name) : program(ui) {
  set = copyFixture(name, temp.path());
  program.frm_0.tx_i_01.text = fromUtf8(set.string());
}

QueryWindow& OpenedFixture::open() {
  program.frm_0.cmd_1_Click();
  if (!program.queryWindow()) throw std::runtime_error("the fixture did not open");
  return window();
}

void OpenedFixture::search(const std::u16string& caption, const std::u16string& key) {
  window().comb_1.text = caption;
  window().tx_i_01.text = key;
  window().cmd_1_Click();
}

void patchDetailRecord(const std::filesystem::path& detailFile, int64_t recNo, int position,
                       const std::string& text) {
  const int64_t start = (recNo - 1) * 153;
  std::string record = readFile(detailFile).substr(static_cast<size_t>(start), 153);
  size_t byte = 0;
  for (int chars = 1; chars < position; ++chars) {
    auto b = static_cast<unsigned char>(record.at(byte));
    byte += (b >= 0x81 && b <= 0xFE) ? 2 : 1;
  }
  int fd = ::open(detailFile.c_str(), O_WRONLY);
  if (fd < 0 || ::pwrite(fd, text.data(), text.size(), start + static_cast<off_t>(byte)) !=
                    static_cast<ssize_t>(text.size()))
    throw std::runtime_error("cannot patch " + detailFile.string());
  ::close(fd);
}

std::string describe(const QueryWindow& w) {
  std::string d;
  auto box = [&](const char* name, const TextBox& b) {
    d += std::string(name) + "=" + toUtf8(b.text) + (b.enabled ? "" : "(disabled)") + "\n";
  };
  auto button = [&](const char* name, const Button& b) {
    d += std::string(name) + (b.enabled ? " on\n" : " off\n");
  };
  d += "comb_1=" + toUtf8(w.comb_1.text) + "\n";
  box("tx_i_01", w.tx_i_01);
  for (auto [name, b] : {std::pair{"tx_o_01", &w.tx_o_01},
                         {"tx_o_19", &w.tx_o_19},
                         {"tx_o_23", &w.tx_o_23},
                         {"tx_o_02", &w.tx_o_02},
                         {"tx_o_03", &w.tx_o_03},
                         {"tx_o_04", &w.tx_o_04},
                         {"tx_o_04_x", &w.tx_o_04_x},
                         {"tx_o_05", &w.tx_o_05},
                         {"tx_o_18", &w.tx_o_18},
                         {"tx_o_11", &w.tx_o_11},
                         {"tx_o_12", &w.tx_o_12},
                         {"tx_o_09", &w.tx_o_09},
                         {"tx_o_24", &w.tx_o_24},
                         {"tx_o_pnt", &w.tx_o_pnt}})
    box(name, *b);
  button("cmd_2", w.cmd_2);
  button("cmd_5", w.cmd_5);
  button("cmd_6", w.cmd_6);
  d += "kind=" + std::to_string(w.m_SearchKind) + " key=" + toUtf8(w.m_SearchKey) +
       " len=" + std::to_string(w.m_SearchKeyLen) + " idxd=" + toUtf8(w.m_IdxdRec) +
       " search=" + std::to_string(w.m_SearchRecNo) + " next=" + std::to_string(w.m_NextRecNo) +
       " data=" + std::to_string(w.m_DataRecNo) + " rec=" + toUtf8(w.m_DataRec) + "\n";
  d += "ring " + std::to_string(w.m_HistFirst) + "/" + std::to_string(w.m_HistPos) + "/" +
       std::to_string(w.m_HistLast) + ":";
  for (int slot = 1; slot <= kRingSlots; ++slot)
    if (w.m_HistIdxd[slot] || w.m_HistData[slot])
      d += " " + std::to_string(slot) + "=" + std::to_string(w.m_HistIdxd[slot]) + "," +
           std::to_string(w.m_HistData[slot]);
  return d;
}

}  // namespace kv884::test
