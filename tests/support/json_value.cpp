#include "support/json_value.hpp"

#include <stdexcept>

#include "platform/utf.hpp"

namespace kv884::test {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  JsonValue parseDocument() {
    JsonValue v = parseValue();
    skipBlanks();
    if (pos_ != s_.size()) fail("trailing text");
    return v;
  }

 private:
  [[noreturn]] void fail(const char* what) {
    throw std::runtime_error(std::string("bad JSON: ") + what + " at " + std::to_string(pos_));
  }
  void skipBlanks() {
    while (pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
      ++pos_;
  }
  bool take(char c) {
    skipBlanks();
    if (pos_ < s_.size() && s_[pos_] == c) return ++pos_, true;
    return false;
  }
  void expect(char c) {
    if (!take(c)) fail("unexpected character");
  }
  bool takeWord(std::string_view word) {
    skipBlanks();
    if (s_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  JsonValue parseValue() {
    JsonValue v;
    skipBlanks();
    if (pos_ >= s_.size()) fail("end of text");
    char c = s_[pos_];
    if (c == '{') {
      v.type = JsonValue::Type::Object;
      ++pos_;
      if (take('}')) return v;
      do {
        skipBlanks();
        std::string key = parseString();
        expect(':');
        v.members[key] = parseValue();
      } while (take(','));
      expect('}');
    } else if (c == '[') {
      v.type = JsonValue::Type::Array;
      ++pos_;
      if (take(']')) return v;
      do v.items.push_back(parseValue());
      while (take(','));
      expect(']');
    } else if (c == '"') {
      v.type = JsonValue::Type::String;
      v.text = parseString();
    } else if (takeWord("true") || takeWord("false")) {
      v.type = JsonValue::Type::Bool;
      v.boolean = s_[pos_ - 1] == 'e' && s_[pos_ - 2] == 'u';
    } else if (takeWord("null")) {
      v.type = JsonValue::Type::Null;
    } else {
      v.type = JsonValue::Type::Number;
      size_t start = pos_;
      while (pos_ < s_.size() &&
             std::string_view("+-.eE0123456789").find(s_[pos_]) != std::string_view::npos)
        ++pos_;
      if (pos_ == start) fail("no value");
      v.text = std::string(s_.substr(start, pos_ - start));
    }
    return v;
  }

  std::string parseString() {
    if (pos_ >= s_.size() || s_[pos_] != '"') fail("string expected");
    ++pos_;
    std::u16string out;
    std::string pending;  // raw UTF-8 bytes between escapes
    auto flush = [&] {
      out += fromUtf8(pending);
      pending.clear();
    };
    while (true) {
      if (pos_ >= s_.size()) fail("unterminated string");
      char c = s_[pos_++];
      if (c == '"') break;
      if (c != '\\') {
        pending += c;
        continue;
      }
      flush();
      char e = s_.at(pos_++);
      switch (e) {
        case 'n':
          out += u'\n';
          break;
        case 'r':
          out += u'\r';
          break;
        case 't':
          out += u'\t';
          break;
        case 'b':
          out += u'\b';
          break;
        case 'f':
          out += u'\f';
          break;
        case 'u':
          out += static_cast<char16_t>(std::stoi(std::string(s_.substr(pos_, 4)), nullptr, 16));
          pos_ += 4;
          break;
        default:
          out += static_cast<char16_t>(e);
      }
    }
    flush();
    return toUtf8(out);
  }

  std::string_view s_;
  size_t pos_{0};
};

}  // namespace

JsonValue parseJson(std::string_view text) {
  return Parser(text).parseDocument();
}

}  // namespace kv884::test
