#pragma once
// A folder of files written as a whole: built in a new hidden folder beside the target and put
// in the target's place only when complete, so that a failed or interrupted build leaves the
// target as it was and nothing half-written where it was asked for. Each file inside is written
// through OutputFile. A build folder left by a killed process is swept by the next build of the
// same target.

#include <string>

#include "platform/file_error.hpp"

namespace kv884 {

class OutputFolder {
 public:
  // Makes the empty build folder beside target; throws FileError.
  explicit OutputFolder(const std::string& target);
  ~OutputFolder();  // removes the build folder, with all in it, unless committed
  OutputFolder(const OutputFolder&) = delete;
  OutputFolder& operator=(const OutputFolder&) = delete;

  // Where the files are written until commit().
  const std::string& path() const;

  // Puts the build folder in the target's place: a new name, an empty folder, or (replace) a
  // folder with all it holds, which is then removed; throws FileError, and the target is then
  // as it was.
  void commit(bool replace);

 private:
  std::string target_;
  std::string path_;
  bool committed_{false};
};

// What is at path: nothing, an empty folder, a folder with files, or anything else. Throws
// FileError when the path cannot be looked at (a folder on the way that may not be entered, a
// loop of links, a name or path too long).
enum class PathState { Missing, EmptyFolder, Folder, NotAFolder };
PathState pathState(const std::string& path);

}  // namespace kv884
