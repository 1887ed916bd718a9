#pragma once
// The window-level values of the query window: the running query, the detail record in hand,
// and the ring of the last 1000 shown screens (slots 1 to 1000; slot 0 is never used).

#include <array>
#include <cstdint>
#include <string>

namespace kv884 {

inline constexpr int kRingSlots = 1000;

// The slot step slots (1 or -1) from slot in the ring, where the last slot is followed by the
// first; from the empty ring's 0 one step forward is the first.
constexpr int16_t ringStep(int16_t slot, int step) {
  return static_cast<int16_t>((slot - 1 + step + kRingSlots) % kRingSlots + 1);
}

struct QueryState {
  int16_t m_SearchKind{0};     // 1 統一編號, 2 帳號, 3 戶號, 4 中文戶名
  std::u16string m_SearchKey;  // as compared: in capitals for kind 1
  int16_t m_SearchKeyLen{0};   // characters of the key box text when 查詢 was pressed
  std::u16string m_IdxdRec;    // the detail record last read, 120 characters
  int32_t m_SearchRecNo{0};    // its record number
  int32_t m_NextRecNo{0};      // the detail record to read next (999999: none)
  int32_t m_DataRecNo{0};      // the holder data record to show
  std::u16string m_DataRec;    // the holder data record last shown, 122 characters

  std::array<int32_t, kRingSlots + 1> m_HistIdxd{};
  std::array<int32_t, kRingSlots + 1> m_HistData{};
  int16_t m_HistFirst{0};  // oldest screen; 0 while the ring is empty
  int16_t m_HistPos{0};    // screen on display
  int16_t m_HistLast{0};   // newest screen

  bool operator==(const QueryState&) const = default;
};

}  // namespace kv884
