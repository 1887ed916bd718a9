#include "dataset/chain_order.hpp"

#include <string>

#include "dataset/block_reader.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/record_field.hpp"
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
  std::vector<bool> walked(next.size(), false);
  ChainOrder order;
  for (int64_t recNo = first;;) {
    order.records.push_back(static_cast<uint32_t>(recNo));
    walked[static_cast<size_t>(recNo)] = true;
    const int64_t successor = next[static_cast<size_t>(recNo)];
    if (successor == kEndOfChain) {
      order.end = static_cast<int64_t>(order.records.size()) < count ? ChainOrder::End::Short
                                                                     : ChainOrder::End::Complete;
      return order;
    }
    order.successor = successor;
    if (successor < 1 || successor > count) {
      order.end = ChainOrder::End::Broken;
      // Read again for the message: the field may hold no number at all.
      order.successorText = std::u16string(
          field(decodeRecord(files.readRecord(fileNo, recNo), kDetailRecordChars), kind.successor));
      return order;
    }
    if (walked[static_cast<size_t>(successor)]) {
      order.end = ChainOrder::End::Cycle;
      return order;
    }
    recNo = successor;
  }
}

}  // namespace kv884
