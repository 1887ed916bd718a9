#pragma once
// The files kv884-query writes: an export's format, by the ending of its name, and the one place
// no file may lie, the data set's folder, which the program only ever reads.

#include <optional>
#include <string>

namespace kv884 {

enum class ExportFormat { Csv, Xlsx };

// By the name's ending, .csv or .xlsx in any case; nothing for any other name.
std::optional<ExportFormat> exportFormatOf(const std::string& file);

// The data set's folder on the host, as the program opens it (its folder text mapped onto the
// host, names matched regardless of case): the folder the writer keeps every output file out of.
std::string dataFolderOnHost(const std::u16string& folderText);

}  // namespace kv884
