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
  explicit Button(std::u16string caption = {}, bool enabled = true, std::u16string tooltip = {})
      : caption(std::move(caption)), enabled(enabled), tooltip(std::move(tooltip)) {}
  std::u16string caption;
  bool enabled;
  std::u16string tooltip;
  bool operator==(const Button&) const = default;
};

struct TextBox {
  explicit TextBox(std::u16string text = {}, bool enabled = true, bool readOnly = false,
                   int maxLength = 0)
      : text(std::move(text)), enabled(enabled), readOnly(readOnly), maxLength(maxLength) {}
  std::u16string text;
  bool enabled;
  bool readOnly;
  int maxLength;  // 0: no limit
  bool operator==(const TextBox&) const = default;
};

struct ComboBox {
  ComboBox(std::u16string text, std::vector<std::u16string> items, bool enabled = true)
      : text(std::move(text)), items(std::move(items)), enabled(enabled) {}
  std::u16string text;
  std::vector<std::u16string> items;
  bool enabled;
  bool operator==(const ComboBox&) const = default;
};

}  // namespace kv884
