#pragma once
// Opening a data set: the security descriptor read into its values, then the three data files
// opened under their numbers, each tested for an empty file. Only the lengths are tested; no
// record is read. The start window opens a set through it, and so does kv884-check.

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_error.hpp"
#include "platform/file_table.hpp"

namespace kv884 {

enum class OpeningEnd {
  Opened,
  DescriptorUnreadable,
  FileUnopenable,
  HolderDataEmpty,
  KeyIndexEmpty,
  DetailIndexEmpty
};

struct DataSetOpening {
  OpeningEnd end{OpeningEnd::Opened};
  std::u16string path;             // the last path formed: on failure the file that failed
  std::optional<FileError> error;  // DescriptorUnreadable, FileUnopenable: why
};

// Where the descriptor's values go, each as soon as its item has been read: a descriptor that
// fails half-way leaves the values read before the failure.
struct DescriptorValues {
  std::u16string& securityCode;
  std::u16string& securityName;
  std::u16string& dataDate;
  std::u16string& decimalFlag;
};

// Reads folder's descriptor as kDescriptorFile, which is closed again: Opened or
// DescriptorUnreadable.
DataSetOpening readDescriptor(FileTable& files, std::u16string_view folder,
                              const DescriptorValues& values);

// Opens the holder data, key index and detail index files of code in folder, in this order; when
// one cannot be opened or is empty, those opened before are closed again.
DataSetOpening openDataFiles(FileTable& files, std::u16string_view folder,
                             std::u16string_view code);

}  // namespace kv884
