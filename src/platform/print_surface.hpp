#pragma once
// The printer as the printouts use it: a font size and a face name that persist, lines of items
// with column stops, and the end of the document.

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kv884 {

// Tab(n): move to column n of the current line (columns from 1 at the left edge, each as wide as
// the current font's average character width); when already past it, column n of the next line.
struct Tab {
  int column;
};

using PrintItem = std::variant<std::u16string, Tab>;

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  virtual void setFontSize(float points) = 0;
  virtual void setFontName(const std::u16string& name) = 0;
  // Items printed one right after the other, then a line break. A single empty text is an empty
  // line.
  virtual void printLine(const std::vector<PrintItem>& items) = 0;
  virtual void endDocument() = 0;
};

// printLine for a printer that draws each text at a position along the line, x: a Tab moves x to
// its stop, column wide each, or to the stop on the next line when x is past it (by more than half
// a device pixel); a line break inside a text (CR LF, CR or LF) starts a new line. breakLine()
// ends the line and starts the next, draw(text) draws at x and moves x past it.
template <typename BreakLine, typename Draw>
void layOutLine(const std::vector<PrintItem>& items, double column, double& x, BreakLine breakLine,
                Draw draw) {
  for (const PrintItem& item : items) {
    if (const Tab* tab = std::get_if<Tab>(&item)) {
      const double stop = (tab->column < 1 ? 0 : tab->column - 1) * column;
      if (x > stop + 0.5) breakLine();
      x = stop;
      continue;
    }
    const std::u16string& text = std::get<std::u16string>(item);
    for (size_t begin = 0;;) {
      const size_t end = text.find_first_of(u"\r\n", begin);
      draw(text.substr(begin, end - begin));
      if (end == std::u16string::npos) break;
      begin = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
      breakLine();
    }
  }
}

// What a printer reports when the system has no default printer.
inline constexpr std::u16string_view kNoDefaultPrinter = u"沒有設定預設的印表機";

// A printer that cannot take the job (none installed, job refused); reason is the printer's.
class PrintError : public std::runtime_error {
 public:
  explicit PrintError(std::u16string reason)
      : std::runtime_error("print failed"), reason_(std::move(reason)) {}
  const std::u16string& reason() const { return reason_; }

 private:
  std::u16string reason_;
};

// The system's default printer, which the front end gives the program: PrintError when it has
// none.
inline PrintSurface& defaultPrinter(PrintSurface* printer) {
  if (!printer) throw PrintError(u"找不到預設印表機");
  return *printer;
}

}  // namespace kv884
