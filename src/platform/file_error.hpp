#pragma once
// The one error type of the file layer: a number and a one-line description, numbered as the
// classic BASIC runtime numbers its file errors, so a message can quote both.

#include <stdexcept>
#include <string>

namespace kv884 {

class FileError : public std::runtime_error {
 public:
  FileError(int number, std::u16string description);

  int number() const { return number_; }
  const std::u16string& description() const { return description_; }

  static FileError badFileNameOrNumber();  // 52
  static FileError fileNotFound();         // 53
  static FileError fileAlreadyOpen();      // 55
  static FileError deviceIo();             // 57
  static FileError inputPastEnd();         // 62
  static FileError badRecordNumber();      // 63
  static FileError permissionDenied();     // 70
  static FileError pathFileAccess();       // 75
  static FileError pathNotFound();         // 76

 private:
  int number_;
  std::u16string description_;
};

}  // namespace kv884
