#include "cli/read_ahead_rule.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "dataset/block_reader.hpp"

namespace kv884 {

namespace {

// What reading ahead costs beyond the block reads as the rule times them, for each byte of a
// pass: reading into fresh memory, copying the stretch's records into place, sorting their record
// numbers and indexing the holders. Measured on the 999,999-holder set from the page cache:
// 100,000 keys read ahead took 8.2 s more than searched, some 0.25 s for each of the 32 passes
// over 275 MB, of which the block reads, timed as the rule times them, took 0.02 s.
constexpr double kWorkSecondsPerByte = 1e-9;

}  // namespace

bool readsAhead(const MediumCosts& costs, size_t keysLeft, size_t stretchHolders) {
  if (costs.blockBytes <= 0 || stretchHolders == 0) return false;
  const auto keys = static_cast<int64_t>(keysLeft);
  const int64_t stretches =
      std::min(keys, (costs.holders + static_cast<int64_t>(stretchHolders) - 1) /
                         static_cast<int64_t>(stretchHolders));
  const int64_t blocksAPass = (costs.setBytes + costs.blockBytes - 1) / costs.blockBytes;
  const double aPass = static_cast<double>(blocksAPass) * costs.secondsPerBlock +
                       static_cast<double>(costs.setBytes) * kWorkSecondsPerByte;
  const double readingAhead = static_cast<double>(1 + stretches) * aPass;
  return readingAhead < static_cast<double>(keys) * costs.secondsPerKey;
}

bool copiesSet(const CopyCosts& costs, double secondsLeft) {
  if (costs.blockBytes <= 0 || costs.secondsToRead <= costs.secondsToCopy) return false;
  // The copy reads the set in blocks of kBlockBytes: a request or a seek each, and every byte at
  // the rate the timed block had beyond its request, then written and read back locally.
  const double requests = std::ceil(static_cast<double>(costs.setBytes) / kBlockBytes);
  const double secondsPerByte =
      (std::max(0.0, costs.secondsToRead - costs.secondsToAsk) + costs.secondsToCopy) /
      static_cast<double>(costs.blockBytes);
  return requests * costs.secondsToAsk + static_cast<double>(costs.setBytes) * secondsPerByte <
         secondsLeft;
}

bool shouldCopySet(const CopyCosts& costs, double secondsLeft) {
  const char* told = std::getenv("KV884_COPY_SET");
  if (told && std::string_view(told) == "always") return true;
  if (told && std::string_view(told) == "never") return false;
  return copiesSet(costs, secondsLeft);
}

}  // namespace kv884
