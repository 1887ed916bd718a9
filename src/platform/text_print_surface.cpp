#include "platform/text_print_surface.hpp"

#include "platform/big5.hpp"
#include "platform/utf.hpp"

namespace kv884 {

void TextPrintSurface::breakLine() {
  lines_.emplace_back();
  column_ = 1;
}

void TextPrintSurface::printLine(const std::vector<PrintItem>& items) {
  breakLine();
  for (const PrintItem& item : items) {
    if (const Tab* tab = std::get_if<Tab>(&item)) {
      const int target = tab->column < 1 ? 1 : tab->column;
      if (column_ > target) breakLine();
      lines_.back().append(static_cast<size_t>(target - column_), u' ');
      column_ = target;
      continue;
    }
    const std::u16string& text = std::get<std::u16string>(item);
    for (size_t i = 0; i < text.size(); ++i) {
      char16_t c = text[i];
      if (c == u'\r' || c == u'\n') {  // a line break inside a text starts a new line
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        breakLine();
        continue;
      }
      lines_.back() += c;
      column_ += displayWidth(c);
    }
  }
}

void TextPrintSurface::endDocument() {
  std::vector<std::u16string> page;
  page.swap(lines_);
  column_ = 1;
  std::string text = pagesWritten_ > 0 ? "\f\n" : "";
  for (std::u16string& line : page) {
    line.erase(line.find_last_not_of(u' ') + 1);  // npos + 1 is 0: a blank line becomes empty
    text += toUtf8(line) + '\n';
  }
  try {
    file_.write(text);
  } catch (const FileError& e) {
    throw PrintError(u"無法寫入檔案 " + fromUtf8(file_.target()) + u"：" + fromUtf8(e.what()));
  }
  ++pagesWritten_;
}

}  // namespace kv884
