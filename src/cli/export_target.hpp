#pragma once
// The file an export writes: its format, by the ending of its name, and the one place it may not
// lie, the data set's folder, which the program only ever reads.

#include <optional>
#include <string>

namespace kv884 {

enum class ExportFormat { Csv, Xlsx };

// By the name's ending, .csv or .xlsx in any case; nothing for any other name.
std::optional<ExportFormat> exportFormatOf(const std::string& file);

// True when file would lie in the data set's folder or below it. The folder is taken as the
// program opens it (its folder text mapped onto the host, names matched regardless of case), the
// file's folder both as written and mapped the same way, and both compared by what they are on
// the disc, whatever links or names lead there.
bool liesInDataFolder(const std::string& file, const std::u16string& folderText);

}  // namespace kv884
