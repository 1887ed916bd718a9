#pragma once
// The one rule by which every file is opened for reading: data files, the descriptor, the count
// report, fonts, key files and replay scripts. The file is opened without blocking and then looked
// at, so a named pipe, a device or a folder in a file's place is refused before it can hang the
// program; where a stream is wanted (a key file, a script), a pipe is taken as well and read in
// one pass. Failures are thrown as FileError.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

namespace kv884 {

enum class InputKind {
  File,          // a regular file only: it has a length and can be read at any offset
  FileOrStream,  // a regular file or a pipe (a named pipe, process substitution, a shell pipe)
};

class InputFile {
 public:
  // hostPath: the file's name as the host spells it, bytes on POSIX.
  InputFile(const std::string& hostPath, InputKind kind);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool isStream() const { return stream_; }
  int64_t length() const { return length_; }  // 0 for a stream

  // The next bytes, up to size; 0 at the end.
  size_t read(char* buffer, size_t size);
  // Up to size bytes from offset on, fewer at the end of the file (regular files only).
  size_t readAt(int64_t offset, char* buffer, size_t size);

 private:
  int handle_{-1};
  bool stream_{false};
  int64_t length_{0};
};

// A file or a pipe (InputKind::FileOrStream) read as a std::istream reads, in one pass; a read
// error comes out of the stream's reading functions as its FileError.
class InputStream : public std::istream {
 public:
  explicit InputStream(const std::string& hostPath);

 private:
  struct Buffer : std::streambuf {
    explicit Buffer(InputFile& file) : file(file) {}
    int_type underflow() override;
    InputFile& file;
    char bytes[65536];
  };
  InputFile file_;
  Buffer buffer_;
};

// Up to size bytes of the open file fd from offset on, fewer at its end: the one loop by which a
// file is read at an offset, an input file's and the temporary file's.
size_t readAtOffset(int fd, int64_t offset, char* buffer, size_t size);

// Reads what remains of file, refusing it with FileError 59 beyond limit bytes.
std::string readWhole(InputFile& file, size_t limit);

}  // namespace kv884
