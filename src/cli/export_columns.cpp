#include "cli/export_columns.hpp"

#include "dataset/holder_record.hpp"
#include "querywin/query_boxes.hpp"

namespace kv884 {

namespace {

// Where a column's text comes from: a box of the record area, or the two parts of tx_o_01.
enum class Source { Box, SecurityCode, SecurityName };

struct ColumnSource {
  Source source;
  TextBox QueryControls::*box;
  CellKind kind;
  std::u16string_view ownCaption;  // for a column whose box has no label
};

constexpr std::array<ColumnSource, kExportColumnCount> kColumns{{
    {Source::SecurityCode, &QueryControls::tx_o_01, CellKind::Text, {}},
    {Source::SecurityName, nullptr, CellKind::Text, u"證券名稱"},
    {Source::Box, &QueryControls::tx_o_19, CellKind::Text, u"配發類別"},
    {Source::Box, &QueryControls::tx_o_23, CellKind::Text, {}},
    {Source::Box, &QueryControls::tx_o_02, CellKind::Text, {}},
    {Source::Box, &QueryControls::tx_o_03, CellKind::Text, {}},
    {Source::Box, &QueryControls::tx_o_04, CellKind::Text, {}},
    {Source::Box, &QueryControls::tx_o_04_x, CellKind::Text, u"強迫入帳"},
    {Source::Box, &QueryControls::tx_o_05, CellKind::Text, {}},
    {Source::Box, &QueryControls::tx_o_18, CellKind::Quantity, {}},
    {Source::Box, &QueryControls::tx_o_11, CellKind::Quantity, {}},
    {Source::Box, &QueryControls::tx_o_12, CellKind::Count, {}},
    {Source::Box, &QueryControls::tx_o_09, CellKind::Text, {}},
    {Source::Box, &QueryControls::tx_o_24, CellKind::Text, {}},
}};

// The caption of the label beside the box, as the window shows it.
std::u16string labelOf(TextBox QueryControls::*box) {
  static const QueryControls window{};
  for (const QueryBox& b : kQueryBoxes)
    if (b.box == box && b.label) return (window.*b.label).caption;
  return {};
}

}  // namespace

const std::array<ExportColumn, kExportColumnCount>& exportColumns() {
  static const std::array<ExportColumn, kExportColumnCount> columns = [] {
    std::array<ExportColumn, kExportColumnCount> made;
    for (size_t i = 0; i < kColumns.size(); ++i) {
      const ColumnSource& c = kColumns[i];
      made[i] = {c.ownCaption.empty() ? labelOf(c.box) : std::u16string(c.ownCaption), c.kind};
    }
    return made;
  }();
  return columns;
}

ExportRow exportRow(const QueryControls& boxes, std::u16string_view dataRec,
                    const std::u16string& securityName) {
  ExportRow row;
  for (size_t i = 0; i < kColumns.size(); ++i) {
    const ColumnSource& c = kColumns[i];
    switch (c.source) {
      case Source::Box:
        row[i] = (boxes.*c.box).text;
        break;
      case Source::SecurityCode:  // the record's own field, which tx_o_01 begins with
        row[i] = HolderRecord{dataRec}.securityCode();
        break;
      case Source::SecurityName:
        row[i] = securityName;
        break;
    }
    if (c.kind == CellKind::Text) row[i] = withoutPadding(row[i]);
  }
  return row;
}

}  // namespace kv884
