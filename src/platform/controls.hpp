#pragma once
// Controls of a window as plain data: what a view copies into its widgets after every handler.

#include <string>
#include <vector>

namespace kv884 {

struct Label {
  std::u16string caption;
  bool operator==(const Label&) const = default;
};

struct Button {
  std::u16string caption;
  bool enabled{true};
  std::u16string tooltip{};
  bool operator==(const Button&) const = default;
};

struct TextBox {
  std::u16string text;
  bool enabled{true};
  bool readOnly{false};
  int maxLength{0};  // 0: no limit
  bool operator==(const TextBox&) const = default;
};

struct ComboBox {
  std::u16string text;
  std::vector<std::u16string> items;
  bool enabled{true};
  bool operator==(const ComboBox&) const = default;
};

}  // namespace kv884
