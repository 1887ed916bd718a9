#pragma once
// The one error type of the file layer: a number and a one-line description, numbered as the
// classic BASIC runtime numbers its file errors, so a message can quote both.

#include <stdexcept>
#include <string>
#include <system_error>

namespace kv884 {

class FileError : public std::runtime_error {
 public:
  enum Number {
    kBadFileNameOrNumber = 52,
    kFileNotFound = 53,
    kFileAlreadyOpen = 55,
    kBadRecordLength = 59,
    kDiskFull = 61,
    kDeviceIo = 57,
    kInputPastEnd = 62,
    kBadRecordNumber = 63,
    kPermissionDenied = 70,
    kPathFileAccess = 75,
    kPathNotFound = 76,
  };

  // The error with its description.
  explicit FileError(Number number);
  // The error the host's failure to reach or open a file stands for.
  explicit FileError(const std::error_code& failure);

  static Number numberOf(const std::error_code& failure);

  int number() const { return number_; }
  const std::u16string& description() const { return description_; }

 private:
  int number_;
  std::u16string description_;
};

}  // namespace kv884
