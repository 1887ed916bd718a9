#pragma once
// Everything the query window shows and holds, as one comparable text: every box with its text
// and state, every button, every window-level value and the occupied ring slots. Header only, so
// the fuzz targets can use it without the test support library.

#include <string>
#include <utility>

#include "platform/utf.hpp"
#include "querywin/query_boxes.hpp"
#include "querywin/query_window.hpp"

namespace kv884::test {

inline std::string describe(const QueryWindow& w) {
  std::string d = "comb_1=" + toUtf8(w.comb_1.text) + "\ntx_i_01=" + toUtf8(w.tx_i_01.text) + "\n";
  for (const QueryBox& box : kQueryBoxes) {
    const TextBox& b = w.*box.box;
    d += std::string(box.name) + "=" + toUtf8(b.text) + (b.enabled ? "" : "(disabled)") + "\n";
  }
  for (auto [name, b] : {std::pair{"cmd_1", &w.cmd_1},
                         {"cmd_2", &w.cmd_2},
                         {"cmd_3", &w.cmd_3},
                         {"cmd_4", &w.cmd_4},
                         {"cmd_5", &w.cmd_5},
                         {"cmd_6", &w.cmd_6}})
    d += std::string(name) + (b->enabled ? " on\n" : " off\n");
  d += "kind=" + std::to_string(w.m_SearchKind) + " key=" + toUtf8(w.m_SearchKey) +
       " len=" + std::to_string(w.m_SearchKeyLen) + " idxd=" + toUtf8(w.m_IdxdRec) +
       " search=" + std::to_string(w.m_SearchRecNo) + " next=" + std::to_string(w.m_NextRecNo) +
       " data=" + std::to_string(w.m_DataRecNo) + " rec=" + toUtf8(w.m_DataRec) + "\n";
  d += "ring " + std::to_string(w.m_HistFirst) + "/" + std::to_string(w.m_HistPos) + "/" +
       std::to_string(w.m_HistLast) + ":";
  for (int slot = 0; slot <= kRingSlots; ++slot)
    if (w.m_HistIdxd[slot] || w.m_HistData[slot])
      d += " " + std::to_string(slot) + "=" + std::to_string(w.m_HistIdxd[slot]) + "," +
           std::to_string(w.m_HistData[slot]);
  return d;
}

}  // namespace kv884::test
