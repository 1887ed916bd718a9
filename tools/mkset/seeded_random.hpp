#pragma once
// A small deterministic generator (SplitMix64). The standard distributions differ between
// library versions, so the same seed would not give the same data set everywhere; this does.

#include <cstdint>

namespace kv884::mkset {

class SeededRandom {
 public:
  explicit SeededRandom(uint64_t seed) : state_(seed) {}

  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A number in [0, bound); bound > 0. The slight bias of the modulo does not matter here.
  uint64_t below(uint64_t bound) { return next() % bound; }

  // True with the given chance in percent.
  bool percent(unsigned chance) { return below(100) < chance; }

 private:
  uint64_t state_;
};

}  // namespace kv884::mkset
