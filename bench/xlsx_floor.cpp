// kv884-xlsx-floor: the floor of the workbook export, what libxlsxwriter alone takes to write the
// cells of an exported register that are already in memory.
//
//   kv884-xlsx-floor EXPORT.csv OUT.xlsx
//
// Reads the rows of a CSV export of kv884-query into memory (the three quantity columns as
// numbers, their grouping commas dropped), then writes them as kv884-query writes a workbook:
// constant-memory mode, a text cell for each text, a number cell for each number, each with its
// format. Prints the seconds of the writing alone (from the new workbook to its close).

#include <xlsxwriter.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

// The rows of an RFC 4180 file: fields in double quotes may hold commas, quotes (doubled) and
// line breaks.
std::vector<Row> readCsv(const std::string& text) {
  std::vector<Row> rows(1);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(std::move(field));
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.back().push_back(std::move(field));
      field.clear();
      rows.emplace_back();
      ++i;
    } else {
      field += c;
    }
  }
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

bool isNumberColumn(size_t column) {
  return column >= 9 && column <= 11;  // 劃撥股數, 擔保品股數, 擔保品筆數
}

double numberOf(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (c != ',') digits += c;
  return std::stod(digits);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kv884-xlsx-floor EXPORT.csv OUT.xlsx\n";
    return 64;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::string text = bytes.str();
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  const std::vector<Row> rows = readCsv(text);
  struct Cell {
    std::string text;
    double number;
  };
  std::vector<std::vector<Cell>> cells;
  for (const Row& row : rows) {
    cells.emplace_back();
    for (size_t c = 0; c < row.size(); ++c)
      cells.back().push_back(
          {row[c], &row != &rows.front() && isNumberColumn(c) ? numberOf(row[c]) : 0});
  }

  const auto start = std::chrono::steady_clock::now();
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(argv[2], &options);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "sheet");
  lxw_format* textFormat = workbook_add_format(workbook);
  format_set_num_format(textFormat, "@");
  lxw_format* quantity = workbook_add_format(workbook);
  format_set_num_format(quantity, "#,##0");
  lxw_format* count = workbook_add_format(workbook);
  format_set_num_format(count, "#0");
  for (size_t r = 0; r < cells.size(); ++r)
    for (size_t c = 0; c < cells[r].size(); ++c) {
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      if (r > 0 && isNumberColumn(c))
        worksheet_write_number(sheet, row, col, cells[r][c].number, c == 11 ? count : quantity);
      else
        worksheet_write_string(sheet, row, col, cells[r][c].text.c_str(), textFormat);
    }
  worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(cells.size() - 1), 13);
  if (workbook_close(workbook) != LXW_NO_ERROR) return 2;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::cout << took.count() << "\n";
  return 0;
}
