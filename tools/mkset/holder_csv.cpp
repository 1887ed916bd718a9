#include "mkset/holder_csv.hpp"

#include <algorithm>
#include <optional>

#include "dataset/detail_record.hpp"
#include "mkset/csv_parser.hpp"
#include "mkset/mkset_error.hpp"
#include "platform/big5.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

std::optional<HolderField> fieldOfColumn(std::string_view name) {
  for (const HolderFieldLayout& layout : holderFieldLayouts())
    if (layout.column == name) return layout.field;
  return std::nullopt;
}

std::string trimmed(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  size_t end = text.find_last_not_of(" \t");
  return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

std::vector<HolderField> headerFields(const CsvRow& header) {
  std::vector<HolderField> fields;
  for (const std::string& cell : header.fields) {
    std::string name = trimmed(cell);
    std::optional<HolderField> field = fieldOfColumn(name);
    if (!field)
      throw MksetError("line " + std::to_string(header.line) + ": unknown column \"" + name +
                       "\" (kv884-mkset --help lists the columns)");
    if (std::ranges::count(fields, *field) > 0)
      throw MksetError("line " + std::to_string(header.line) + ": column \"" + name +
                       "\" appears twice");
    fields.push_back(*field);
  }
  return fields;
}

// The reason value cannot be stored in the field, or nothing when it can.
std::optional<std::string> problem(const HolderFieldLayout& layout, std::u16string_view value) {
  if (value.size() > layout.width())
    return std::to_string(value.size()) + " characters, at most " + std::to_string(layout.width());
  for (char16_t c : value) {
    if (layout.asciiOnly() && (c < 0x20 || c > 0x7E))
      return "\"" + toUtf8(std::u16string_view(&c, 1)) +
             "\" where only printable ASCII characters are stored";
    if (c < 0x20) return "a control character";
    if (!hasBig5Form(c)) return "\"" + toUtf8(std::u16string_view(&c, 1)) + "\" has no Big5 form";
  }
  if (layout.field == HolderField::HolderName) {
    const std::u16string key = nameKeyOf(value);
    for (size_t i = 0; i < key.size() && i < value.size(); ++i)
      if (displayWidth(key[i]) != 2)
        return "\"" + toUtf8(value.substr(i, 1)) +
               "\" among the first six characters has no double-byte Big5 form, which the name "
               "key needs";
  }
  return std::nullopt;
}

// Refuses a file in another encoding by its name, before its bytes show as unknown columns.
void checkEncoding(std::string_view text) {
  if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
      text.find('\0') != std::string_view::npos)
    throw MksetError("the CSV file is UTF-16, not UTF-8: save it as UTF-8");
  if (!isUtf8(text) && decodeBig5(text).find(u'\uFFFD') == std::u16string::npos)
    throw MksetError("the CSV file is Big5, not UTF-8: save it as UTF-8");
}

}  // namespace

std::vector<Holder> holdersFromCsv(std::string_view utf8Text, std::u16string_view securityCode) {
  checkEncoding(utf8Text);
  std::vector<CsvRow> rows = parseCsv(utf8Text);
  if (rows.empty()) throw MksetError("the CSV file is empty: it needs a header row");
  std::vector<HolderField> fields = headerFields(rows.front());
  const bool codeGiven = std::ranges::count(fields, HolderField::SecurityCode) > 0;

  std::vector<Holder> holders;
  holders.reserve(rows.size() - 1);
  for (size_t r = 1; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    if (row.fields.size() != fields.size())
      throw MksetError("line " + std::to_string(row.line) + ": " +
                       std::to_string(row.fields.size()) + " fields, but the header names " +
                       std::to_string(fields.size()));
    Holder holder;
    if (!codeGiven) holder.set(HolderField::SecurityCode, securityCode.substr(0, 6));
    for (size_t c = 0; c < fields.size(); ++c) {
      const HolderFieldLayout& layout = holderFieldLayout(fields[c]);
      std::u16string value = fromUtf8(row.fields[c]);
      std::optional<std::string> why =
          isUtf8(row.fields[c]) ? problem(layout, value) : "bytes that are not UTF-8";
      if (why)
        throw MksetError("line " + std::to_string(row.line) + ", column " +
                         std::string(layout.column) + ": " + *why);
      holder.set(layout.field, value);
    }
    holders.push_back(holder);
  }
  return holders;
}

}  // namespace kv884::mkset
