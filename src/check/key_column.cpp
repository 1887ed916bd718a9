#include "check/key_column.hpp"

#include <algorithm>

namespace kv884 {

KeyColumn::KeyColumn(size_t count, size_t width, bool wideUnits)
    : width_(width), wideUnits_(wideUnits) {
  if (wideUnits_)
    wide_.resize(count * width_);
  else
    narrow_.resize(count * width_);
}

void KeyColumn::set(size_t index, std::u16string_view key) {
  key = key.substr(0, width_);
  if (wideUnits_) {
    std::copy(key.begin(), key.end(), wide_.begin() + index * width_);
    return;
  }
  if (std::any_of(key.begin(), key.end(), [](char16_t c) { return c > 0xFF; })) {
    aside_[index] = std::u16string(key);
    return;
  }
  std::transform(key.begin(), key.end(), narrow_.begin() + index * width_,
                 [](char16_t c) { return static_cast<unsigned char>(c); });
}

std::u16string_view KeyColumn::get(size_t index, KeyBuffer& buffer) const {
  if (wideUnits_) return {wide_.data() + index * width_, width_};
  if (!aside_.empty()) {
    auto it = aside_.find(index);
    if (it != aside_.end()) return it->second;
  }
  const unsigned char* bytes = narrow_.data() + index * width_;
  std::copy(bytes, bytes + width_, buffer.begin());
  return {buffer.data(), width_};
}

}  // namespace kv884
