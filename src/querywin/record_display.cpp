// ShowRecord: the holder data record and three fields of its detail record into the boxes of
// the record area, formatted, and the ring position. Nothing is written before the holder data
// record has been read.

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/display_formats.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/numeric_value.hpp"
#include "platform/big5.hpp"
#include "querywin/query_window.hpp"

namespace kv884 {

void QueryWindow::ShowRecord() {
  host_.files.readRecordInto(kHolderDataFile, m_DataRecNo, recordBytes_);
  decodeRecordInto(recordBytes_, kHolderRecordChars, m_DataRec);
  const HolderRecord data{m_DataRec};
  const DetailRecord detail{m_IdxdRec};
  const std::u16string& flag = host_.g_DecimalFlag;

  tx_o_01.text = std::u16string(data.securityCode()) + u"  " + host_.g_SecurityName;
  tx_o_02.text = data.holderNo();
  tx_o_03.text = detail.holderName();
  tx_o_04.text = data.idNo();
  tx_o_04_x.text = data.forcedPostingFlag() == u"2" ? u"＊" : u"\u3000";
  tx_o_05.text = data.accountNo();
  tx_o_09.text = data.dataCategory();
  tx_o_12.text = formatCount(numericValue(detail.collateralCount()));
  tx_o_11.text = formatQuantity(numericValue(detail.collateralShares()), flag);
  tx_o_18.text = formatQuantity(numericValue(data.transferShares()), flag);
  tx_o_19.text = allotmentTypeText(data.allotmentType());
  tx_o_24.text = data.perHolderFlag();
  tx_o_pnt.text = formatRingPosition(m_HistFirst) + formatRingPosition(m_HistPos) +
                  formatRingPosition(m_HistLast);
}

}  // namespace kv884
