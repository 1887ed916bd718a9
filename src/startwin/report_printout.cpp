// The printed count report: a title, then the window's text line by line.

#include "platform/print_surface.hpp"
#include "querywin/page_heading.hpp"
#include "startwin/report_window.hpp"

namespace kv884 {

namespace {

void printReport(PrintSurface& printer, const std::u16string& text) {
  printPageHeading(printer, u"　　　 " + std::u16string(kOfficeName) + u"-帳簿劃撥配發筆數");
  // The text is one item; each CR LF in it starts a new printed line.
  size_t start = 0;
  while (true) {
    size_t end = text.find(u"\r\n", start);
    printer.printLine({text.substr(start, end == std::u16string::npos ? end : end - start)});
    if (end == std::u16string::npos) break;
    start = end + 2;
  }
  printer.endDocument();
}

}  // namespace

ClickOutcome ReportWindow::cmd_1_Click() {
  try {
    printReport(defaultPrinter(host_.printer), tx_o_01.text);
    return ClickOutcome::Done;
  } catch (const PrintError& e) {
    host_.ui.programMessage(u"MSG_0_18 列印失敗 !\r\n" + e.reason());
    return ClickOutcome::PrintFailed;
  }
}

}  // namespace kv884
