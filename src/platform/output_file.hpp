#pragma once
// The one way the programs write a file of their own (a printout, an export, a file of a data set
// being built): into a temporary file beside the target that no crash can leave behind, readable
// and writable by its owner only, synced to the disc with its folder, and put in the target's
// place only when complete. Before anything is made, a target in one of the folders the caller
// keeps read-only (by any path or link that leads there) is refused, and so is an existing target
// that is not a plain file the user may write. Until commit() the target is untouched; a failed
// or abandoned file leaves nothing behind.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_error.hpp"

namespace kv884 {

// A target that lies in a folder the caller keeps read-only.
class TargetInReadOnlyFolder : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class OutputFile {
 public:
  // Makes the empty temporary file for target (a path as the host writes it). Throws
  // TargetInReadOnlyFolder, or FileError when the temporary cannot be made or the target may not
  // be replaced.
  explicit OutputFile(const std::string& target,
                      const std::vector<std::string>& readOnlyFolders = {});
  ~OutputFile();  // removes the temporary file unless it was committed
  OutputFile(OutputFile&&) noexcept;
  OutputFile& operator=(OutputFile&&) noexcept;

  // Appends bytes; throws FileError.
  void write(std::string_view bytes);
  // A path by which a library that writes by name (a workbook, a PDF) opens the temporary file;
  // what it writes there is what commit() puts in place.
  const std::string& temporaryPath() const;
  const std::string& target() const;
  // The target's folder, for a library that wants its own scratch files on the same disc.
  const std::string& folder() const;
  // The bytes the temporary file holds now, by whoever wrote them.
  uint64_t size() const;

  // Syncs the file, puts it in the target's place and syncs the folder; throws FileError, and
  // the target is then as it was.
  void commit();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The file error of a failed create, write, sync or rename, by the C library's error number.
FileError writeError(int errorNumber);

}  // namespace kv884
