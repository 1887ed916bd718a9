#pragma once
// One holder's boxes and export row, made from its detail and holder data records as the query
// window's record area shows them (fillRecordBoxes), apart from any window.

#include <string>
#include <string_view>

#include "cli/export_columns.hpp"
#include "cli/register_export.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "platform/big5.hpp"
#include "querywin/query_window.hpp"
#include "querywin/record_boxes.hpp"

namespace kv884 {

class HolderRow {
 public:
  // boxes: the window's, for the boxes a record does not fill.
  HolderRow(const QueryControls& boxes, const std::u16string& securityName,
            const std::u16string& decimalFlag)
      : boxes_(boxes), securityName_(securityName), decimalFlag_(decimalFlag) {}
  explicit HolderRow(const RegisterSource& source)
      : HolderRow(source.window, source.securityName, source.decimalFlag) {}

  // Each valid until the next call.
  const QueryControls& boxesOf(std::string_view detail, std::string_view data) {
    decodeRecordInto(detail, kDetailRecordChars, detailText_);
    decodeRecordInto(data, kHolderRecordChars, dataText_);
    fillRecordBoxes(boxes_, dataText_, detailText_, securityName_, decimalFlag_);
    return boxes_;
  }
  ExportRow of(std::string_view detail, std::string_view data) {
    const QueryControls& boxes = boxesOf(detail, data);  // before dataText_ is looked at
    return exportRow(boxes, dataText_, securityName_);
  }

 private:
  QueryControls boxes_;
  const std::u16string& securityName_;
  const std::u16string& decimalFlag_;
  std::u16string detailText_, dataText_;
};

}  // namespace kv884
