// ShowRecord: the holder data record and three fields of its detail record into the boxes of
// the record area, formatted, and the ring position; the message of a record that cannot be read.
// Nothing is written before the holder data record has been read.

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/display_formats.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/numeric_value.hpp"
#include "platform/ascii_text.hpp"
#include "platform/big5.hpp"
#include "querywin/query_window.hpp"
#include "querywin/record_boxes.hpp"

namespace kv884 {

void fillRecordBoxes(QueryControls& boxes, std::u16string_view dataRec, std::u16string_view idxdRec,
                     const std::u16string& securityName, const std::u16string& decimalFlag) {
  const HolderRecord data{dataRec};
  const DetailRecord detail{idxdRec};
  // Built in the box's own storage, which the next holder of an export reuses.
  boxes.tx_o_01.text.assign(data.securityCode()).append(u"  ").append(securityName);
  boxes.tx_o_02.text = data.holderNo();
  boxes.tx_o_03.text = detail.holderName();
  boxes.tx_o_04.text = data.idNo();
  boxes.tx_o_04_x.text = data.forcedPostingFlag() == u"2" ? u"＊" : u"\u3000";
  boxes.tx_o_05.text = data.accountNo();
  boxes.tx_o_09.text = data.dataCategory();
  boxes.tx_o_12.text = formatCount(numericValue(detail.collateralCount()));
  boxes.tx_o_11.text = formatQuantity(numericValue(detail.collateralShares()), decimalFlag);
  boxes.tx_o_18.text = formatQuantity(numericValue(data.transferShares()), decimalFlag);
  boxes.tx_o_19.text = allotmentTypeText(data.allotmentType());
  boxes.tx_o_24.text = data.perHolderFlag();
}

std::u16string readErrorMessage(const FileError& error) {
  return u"MSG_1_08:資料讀取錯誤 !\r\n" + decimalText(error.number()) + u"\r\n" +
         error.description();
}

void QueryWindow::ShowRecord() {
  host_.files.readRecordInto(kHolderDataFile, m_DataRecNo, recordBytes_);
  decodeRecordInto(recordBytes_, kHolderRecordChars, m_DataRec);
  fillRecordBoxes(*this, m_DataRec, m_IdxdRec, host_.g_SecurityName, host_.g_DecimalFlag);
  tx_o_pnt.text = formatRingPosition(m_HistFirst) + formatRingPosition(m_HistPos) +
                  formatRingPosition(m_HistLast);
}

}  // namespace kv884
