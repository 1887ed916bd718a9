#include "scan_peer.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <stdexcept>

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/record_field.hpp"
#include "platform/big5.hpp"
#include "platform/key_compare.hpp"

namespace kv884::bench {

namespace {

class Fd {
 public:
  explicit Fd(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw std::runtime_error("cannot open " + path);
  }
  ~Fd() { ::close(fd_); }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool ScanPeer::search(int kindNo, const std::u16string& key, PeerRecord& record) {
  const KeyKind& kind = keyKind(kindNo);
  Fd detail(detailFile_);
  std::string buffer(kDetailRecordLength * 512, '\0');
  std::optional<std::u16string> best;  // the detail record text with the smallest key so far
  for (;;) {
    ssize_t got = ::read(detail.get(), buffer.data(), buffer.size());
    if (got <= 0) break;
    for (ssize_t at = 0; at + kDetailRecordLength <= got; at += kDetailRecordLength) {
      std::u16string text = decodeRecord(
          std::string_view(buffer).substr(static_cast<size_t>(at), kDetailRecordLength),
          kDetailRecordChars);
      std::u16string_view field = keyFieldOf(kind, text);
      if (compareKeys(kind, key, field) > 0) continue;
      if (!best || compareKeys(kind, field, keyFieldOf(kind, *best)) < 0) best = std::move(text);
    }
  }
  if (!best) return false;
  std::u16string_view start = field(*best, kind.keyField.position, static_cast<int>(key.size()));
  if (!(kind.byNameCollation ? NameCollation::equal(start, key) : start == key)) return false;

  DetailRecord found{*best};
  Fd holders(holderFile_);
  std::string bytes(kHolderRecordLength, ' ');
  if (::pread(holders.get(), bytes.data(), bytes.size(),
              static_cast<off_t>(found.dataRecNo() - 1) * kHolderRecordLength) <= 0)
    return false;
  std::u16string holderText = decodeRecord(bytes, kHolderRecordChars);
  HolderRecord holder{holderText};
  int i = 0;
  for (std::u16string_view v :
       {holder.securityCode(), holder.holderNo(), found.holderName(), holder.idNo(),
        holder.forcedPostingFlag(), holder.accountNo(), holder.dataCategory(),
        found.collateralCount(), found.collateralShares(), holder.transferShares(),
        holder.allotmentType(), holder.perHolderFlag()})
    record.fields[i++] = v;
  return true;
}

}  // namespace kv884::bench
