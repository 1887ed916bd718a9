#pragma once
// One holder's row of an export, made from its detail and holder data records as the query
// window's record area shows them.

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
  explicit HolderRow(const RegisterSource& source) : source_(source), boxes_(source.window) {}

  // Valid until the next call.
  ExportRow of(std::string_view detail, std::string_view data) {
    decodeRecordInto(detail, kDetailRecordChars, detailText_);
    decodeRecordInto(data, kHolderRecordChars, dataText_);
    fillRecordBoxes(boxes_, dataText_, detailText_, source_.securityName, source_.decimalFlag);
    return exportRow(boxes_, dataText_, source_.securityName);
  }

 private:
  const RegisterSource& source_;
  std::u16string detailText_, dataText_;
  QueryControls boxes_;  // the window's, for the boxes a record does not fill
};

}  // namespace kv884
