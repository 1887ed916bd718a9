#pragma once
// Record reads along a key order served from stretches of the order read ahead in one go: a batch
// of look-ups in key order reads the detail records of the order forwards, and the holder data
// records of the holders it finds, one record at a time; here each read of a record on the order
// brings the stretch of the order from that record on (OrderStretch), and the reads that follow
// take their bytes from it. The two latest stretches are held, as a walk may begin a little
// before the place the last one reached. A record off the order, or one that no held stretch
// has, is read from the file as before: what a reader gets is byte for byte what the file holds.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "dataset/chain_order.hpp"
#include "dataset/order_stretch.hpp"
#include "platform/file_table.hpp"

namespace kv884 {

class OrderReadAhead {
 public:
  // order is kept by reference and must outlive this.
  OrderReadAhead(FileTable& files, const ChainOrder& order, size_t stretchLength);

  // A FileTable::RecordSource: true when bytes now hold record recNo of fileNo.
  bool serve(int fileNo, int64_t recNo, std::string& bytes);

 private:
  struct Held {
    size_t begin{0};  // the place in the order of its first record
    OrderStretch records;
    std::unordered_map<uint32_t, uint32_t> dataAt;  // holder data record number: its index
  };

  bool serveDetail(int64_t recNo, std::string& bytes);
  bool serveData(int64_t recNo, std::string& bytes) const;
  void readStretch(size_t begin, Held& held);

  static constexpr uint32_t kOffTheOrder = UINT32_MAX;

  FileTable& files_;
  const std::vector<uint32_t>& order_;  // detail record numbers, first to last
  std::vector<uint32_t> placeOf_;       // by detail record number: its place in order_
  size_t stretchLength_;
  Held held_[2];
  int latest_{1};  // the index in held_ of the stretch read last
  std::vector<uint32_t> wanted_;
};

}  // namespace kv884
