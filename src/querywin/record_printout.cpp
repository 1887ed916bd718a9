// 列印: the shown record as one signed-off page. Every value is the current text of its box and
// every caption the current caption of its label.

#include "querywin/page_heading.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

namespace {

constexpr int kSeparatorColumn = 25;
constexpr int kAllotmentTypeColumn = 50;
constexpr size_t kCaptionWidth = 12;  // full-width characters

// Right-aligned by ideographic spaces to twelve full-width characters.
std::u16string alignedCaption(const std::u16string& caption) {
  size_t fill = caption.size() < kCaptionWidth ? kCaptionWidth - caption.size() : 0;
  return std::u16string(fill, u'\u3000') + caption;
}

// The three long captions hold a half-width slash: one blank brings them to the same width.
std::u16string blankCaption(const std::u16string& caption) {
  return u" " + caption;
}

void printLabelLine(PrintSurface& printer, const std::u16string& prefixedCaption,
                    std::vector<PrintItem> values) {
  std::vector<PrintItem> items{prefixedCaption, Tab{kSeparatorColumn}, u" : "};
  items.insert(items.end(), values.begin(), values.end());
  printer.printLine(items);
}

}  // namespace

ClickOutcome QueryWindow::cmd_4_Click() {
  try {
    PrintSurface& printer = defaultPrinter(host_.printer);
    printPageHeading(printer, u"　　　   配發有價證券劃撥轉帳清冊            KQD05");
    printLabelLine(printer, alignedCaption(lab_01.caption),
                   {tx_o_01.text, Tab{kAllotmentTypeColumn}, tx_o_19.text});
    printLabelLine(printer, alignedCaption(lab_23.caption), {tx_o_23.text});
    printer.printLine({u""});
    printLabelLine(printer, alignedCaption(lab_02.caption), {tx_o_02.text});
    printLabelLine(printer, alignedCaption(lab_03.caption), {tx_o_03.text});
    printLabelLine(printer, blankCaption(lab_04.caption), {tx_o_04.text, tx_o_04_x.text});
    printLabelLine(printer, alignedCaption(lab_05.caption), {tx_o_05.text});
    printLabelLine(printer, alignedCaption(lab_18.caption), {tx_o_18.text});
    printLabelLine(printer, blankCaption(lab_11.caption), {tx_o_11.text});
    printLabelLine(printer, blankCaption(lab_12.caption), {tx_o_12.text});
    printLabelLine(printer, alignedCaption(lab_09.caption), {tx_o_09.text});
    printLabelLine(printer, alignedCaption(lab_24.caption), {tx_o_24.text});
    printer.printLine({u""});
    printer.setFontSize(8);
    printer.printLine({u"註：＊表示身分證字號不符強迫入帳者　　　 "});
    printer.printLine({u"　　資料類別：１：無償配股 ２：有償配股 空白：其他"});
    printer.setFontSize(14);
    printer.printLine({u""});
    printer.printLine({u""});
    printer.printLine({u""});
    printer.printLine({u"     經                     主"});
    printer.printLine(
        {u"     辦                     管                   製表：" + std::u16string(kOfficeName)});
    printer.endDocument();
    return ClickOutcome::Done;
  } catch (const PrintError& e) {
    host_.ui.programMessage(u"MSG_1_09:列印失敗 !\r\n" + e.reason());
    return ClickOutcome::PrintFailed;
  }
}

}  // namespace kv884
