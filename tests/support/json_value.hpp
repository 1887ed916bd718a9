#pragma once
// Just enough JSON to compare the front end's output lines with expected ones as values: key
// order and spacing do not matter, every string is compared exactly.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kv884::test {

struct JsonValue {
  enum class Type { Null, Bool, Number, String, Array, Object } type{Type::Null};
  bool boolean{false};
  std::string text;  // a string's UTF-8 text, or a number as written
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  bool operator==(const JsonValue& other) const = default;
  const JsonValue& operator[](const std::string& key) const { return members.at(key); }
};

// Throws std::runtime_error on text that is not one JSON value.
JsonValue parseJson(std::string_view text);

}  // namespace kv884::test
