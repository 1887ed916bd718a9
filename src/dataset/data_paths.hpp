#pragma once
// Every path of the data set, formed by plain concatenation of the folder text and a relative
// part that begins with a backslash. The folder text is used unchanged; the host mapping of the
// separators happens only in the file layer.

#include <string>
#include <string_view>

namespace kv884 {

std::u16string indexFolderPath(std::u16string_view folder);
std::u16string descriptorPath(std::u16string_view folder);
std::u16string holderDataPath(std::u16string_view folder, std::u16string_view code);
std::u16string keyIndexPath(std::u16string_view folder, std::u16string_view code);
std::u16string detailIndexPath(std::u16string_view folder, std::u16string_view code);
std::u16string countReportPath(std::u16string_view folder, std::u16string_view code);

// Numbers of the data set's files in the table of open files.
inline constexpr int kKeyIndexFile = 1;
inline constexpr int kDetailIndexFile = 2;
inline constexpr int kHolderDataFile = 3;
inline constexpr int kCountReportFile = 14;
inline constexpr int kDescriptorFile = 15;

}  // namespace kv884
