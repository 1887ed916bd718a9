#pragma once
// The naive peer: no index at all. Every detail record is read in file order and decoded; the
// smallest key that is not below the search key wins (the first record in file order among
// equals), its holder data record is read, and its key is tested for the prefix.

#include <string>

#include "sqlite_peer.hpp"

namespace kv884::bench {

class ScanPeer {
 public:
  ScanPeer(std::string detailFile, std::string holderFile)
      : detailFile_(std::move(detailFile)), holderFile_(std::move(holderFile)) {}

  bool search(int kind, const std::u16string& key, PeerRecord& record);

 private:
  std::string detailFile_;
  std::string holderFile_;
};

}  // namespace kv884::bench
