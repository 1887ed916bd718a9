#pragma once
// A file written under a temporary name beside the file it is to replace, and renamed over it
// only when complete, so a failed or interrupted export leaves no partial file and the old file
// as it was. The file is created readable and writable by its owner only: it holds ID numbers
// and names.

#include <string>

#include "platform/file_error.hpp"

namespace kv884 {

class ReplacedFile {
 public:
  // Creates the empty temporary file in target's folder; throws FileError.
  explicit ReplacedFile(std::string target);
  // Removes the temporary file unless it was committed.
  ~ReplacedFile();
  ReplacedFile(const ReplacedFile&) = delete;
  ReplacedFile& operator=(const ReplacedFile&) = delete;

  int fd() const { return fd_; }
  const std::string& temporaryPath() const { return temporary_; }

  // Closes the file and renames it over the target; throws FileError.
  void commit();

 private:
  std::string target_;
  std::string temporary_;
  int fd_{-1};
  bool committed_{false};
};

// The file error of a failed write, create or rename, by its errno.
FileError writeError(int errorNumber);

}  // namespace kv884
