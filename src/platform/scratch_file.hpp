#pragma once
// An unnamed temporary file on the local disc, the process's own: only its owner may open it, no
// other process shares it, and it is gone when it is closed or the process ends, however it ends
// (a crash included). A batch's waiting output lines and the copy of a set read from a slow medium
// are kept in one. Failures (none can be made, a full disc) are thrown as FileError.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kv884 {

class ScratchFile {
 public:
  ScratchFile();  // in the user's temporary folder
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  void writeAt(int64_t offset, std::string_view bytes);
  // Up to size bytes from offset on, fewer at the end of what was written.
  size_t readAt(int64_t offset, char* buffer, size_t size) const;

 private:
  intptr_t handle_;
};

}  // namespace kv884
