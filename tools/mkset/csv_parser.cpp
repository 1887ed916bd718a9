#include "mkset/csv_parser.hpp"

#include "mkset/mkset_error.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

class CsvScanner {
 public:
  explicit CsvScanner(std::string_view text) : text_(text) {
    if (text_.starts_with(kUtf8ByteOrderMark)) pos_ = kUtf8ByteOrderMark.size();
  }

  std::vector<CsvRow> rows() {
    std::vector<CsvRow> rows;
    while (pos_ < text_.size()) {
      CsvRow row{line_, {}};
      if (atLineEnd()) {
        takeLineEnd();
        continue;
      }
      do {
        row.fields.push_back(field());
      } while (take(','));
      takeLineEnd();
      rows.push_back(std::move(row));
    }
    return rows;
  }

 private:
  bool take(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  bool atLineEnd() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }

  void takeLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  std::string field() {
    if (take('"')) return quotedField();
    size_t end = text_.find_first_of(",\r\n", pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string value(text_.substr(pos_, end - pos_));
    pos_ = end;
    return value;
  }

  std::string quotedField() {
    size_t startLine = line_;
    std::string value;
    while (true) {
      if (pos_ >= text_.size())
        throw MksetError("line " + std::to_string(startLine) + ": a quoted field is never closed");
      char c = text_[pos_++];
      if (c != '"') {
        if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n'))) ++line_;
        value += c;
      } else if (take('"')) {
        value += '"';
      } else {
        break;
      }
    }
    if (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
      throw MksetError("line " + std::to_string(line_) + ": text after a closing quote");
    return value;
  }

  std::string_view text_;
  size_t pos_ = 0;
  size_t line_ = 1;
};

}  // namespace

std::vector<CsvRow> parseCsv(std::string_view text) {
  return CsvScanner(text).rows();
}

}  // namespace kv884::mkset
