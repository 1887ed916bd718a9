#include "check/record_passes.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/holder_record.hpp"
#include "platform/big5.hpp"

namespace kv884 {

namespace {

void mix(uint64_t& hash, std::u16string_view text) {
  constexpr uint64_t kPrime = 1099511628211ull;
  for (char16_t c : text) {
    hash = (hash ^ (c & 0xFF)) * kPrime;
    hash = (hash ^ (c >> 8)) * kPrime;
  }
  hash = (hash ^ 0x1F) * kPrime;  // a separator, so text cannot move from one field to the next
}

}  // namespace

uint64_t keyFingerprint(std::u16string_view id, std::u16string_view account,
                        std::u16string_view holderNo) {
  uint64_t hash = 14695981039346656037ull;
  mix(hash, id);
  mix(hash, account);
  mix(hash, holderNo);
  return hash;
}

HolderPass readHolderFile(FileTable& files) {
  HolderPass pass;
  pass.fingerprints.push_back(0);
  pass.size = readRecordFile(files, kHolderDataFile, [&](int64_t, std::string_view bytes) {
    std::u16string text = decodeRecord(bytes, kHolderRecordChars);
    HolderRecord record{text};
    pass.fingerprints.push_back(
        keyFingerprint(record.idNo(), record.accountNo(), record.holderNo()));
  });
  return pass;
}

}  // namespace kv884
