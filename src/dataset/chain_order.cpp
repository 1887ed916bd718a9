#include "dataset/chain_order.hpp"

#include <string>

#include "dataset/block_reader.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/record_number.hpp"
#include "platform/big5.hpp"

namespace kv884 {

namespace {

// The successor of every record of the file, by record number ([0] unused). Only the characters
// up to the successor's field are decoded.
std::vector<uint32_t> successors(FileTable& files, int fileNo, const KeyKind& kind) {
  std::vector<uint32_t> next(static_cast<size_t>(files.recordCount(fileNo)) + 1, 0);
  const auto through = static_cast<size_t>(kind.successor.position + kind.successor.length - 1);
  std::u16string buffer;
  readRecordFile(files, fileNo, [&](int64_t recNo, std::string_view bytes) {
    PartialRecordText text(bytes, through, buffer);
    next[static_cast<size_t>(recNo)] = static_cast<uint32_t>(successorOf(kind, text.upTo(through)));
  });
  return next;
}

}  // namespace

ChainOrder learnChainOrder(FileTable& files, int fileNo, const KeyKind& kind, int64_t first) {
  const std::vector<uint32_t> next = successors(files, fileNo, kind);
  const auto count = static_cast<int64_t>(next.size()) - 1;
  ChainOrder order;
  for (int64_t recNo = first;;) {
    order.records.push_back(static_cast<uint32_t>(recNo));
    const int64_t successor = next[static_cast<size_t>(recNo)];
    if (successor == kEndOfChain) {
      order.end = static_cast<int64_t>(order.records.size()) < count ? ChainOrder::End::Short
                                                                     : ChainOrder::End::Complete;
      return order;
    }
    if (successor < 1 || successor > count) {
      order.end = ChainOrder::End::Broken;
      order.brokenSuccessor = successor;
      return order;
    }
    if (static_cast<int64_t>(order.records.size()) == count) {
      order.end = ChainOrder::End::Cycle;
      return order;
    }
    recNo = successor;
  }
}

}  // namespace kv884
