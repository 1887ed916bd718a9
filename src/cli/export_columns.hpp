#pragma once
// The columns of an exported register, left to right: one row per holder with the texts of the
// shown screen, the security code and name apart instead of joined in one box. The captions of
// the header row are the window's labels beside the boxes; the three columns without a label of
// their own are named here. A text cell is the box's text without the padding of its fixed-width
// field (trailing blanks and ideographic spaces); leading zeros stay.

#include <array>
#include <string>
#include <string_view>

namespace kv884 {

struct QueryControls;

enum class CellKind {
  Text,      // shown as it stands (IDs, accounts and holder numbers keep their leading zeros)
  Quantity,  // a number in the quantity format of the decimal flag
  Count,     // a number in the count format
};

struct ExportColumn {
  std::u16string caption;
  CellKind kind;
};

inline constexpr size_t kExportColumnCount = 14;

const std::array<ExportColumn, kExportColumnCount>& exportColumns();

// The texts of one row, valid while the screen stays shown.
using ExportRow = std::array<std::u16string_view, kExportColumnCount>;

// The row of the record area's boxes, filled from the holder data record text dataRec;
// securityName: the program-wide security name.
ExportRow exportRow(const QueryControls& boxes, std::u16string_view dataRec,
                    const std::u16string& securityName);

}  // namespace kv884
