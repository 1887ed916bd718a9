#pragma once
// The key file of a batch of look-ups: one key per line, UTF-8, each line the text typed into the
// key box. The line break (LF or CR LF) is not part of the key, and a byte-order mark before the
// first line is dropped, as editors on the desktop write one; nothing else is trimmed. Only the
// first bytes of a line are kept, so a file without line breaks cannot fill the memory. The file
// is read once, front to back, so a pipe serves as well as a file.

#include <cstdint>
#include <istream>
#include <string>

namespace kv884 {

struct KeyLine {
  int64_t number{0};  // 1-based
  std::string bytes;  // the line without its line break, as far as it was kept
  bool cut{false};    // the line went on beyond what was kept
};

class KeyLineReader {
 public:
  explicit KeyLineReader(std::istream& in) : in_(*in.rdbuf()) {}
  // The next line; false at the end of the input (a last line without a line break counts).
  bool next(KeyLine& line);

 private:
  std::streambuf& in_;
  int64_t number_{0};
};

// A line as a key for the key box, or, when the line is refused, why (naming the line).
struct LineKey {
  std::u16string key;
  std::u16string refusal;  // empty: the key is searched
};
LineKey keyOfLine(const KeyLine& line);

// A key as a field of a tab-separated text line, in UTF-8: a backslash, a tab, CR and LF written
// as \\, \t, \r and \n, any other control character as \xHH, so the line keeps its fields.
std::string escapedKey(std::u16string_view key);

}  // namespace kv884
