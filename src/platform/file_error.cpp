#include "platform/file_error.hpp"

#include <map>

#include "platform/utf.hpp"

namespace kv884 {

namespace {

std::u16string describe(FileError::Number number) {
  static const std::map<FileError::Number, std::u16string> kDescriptions{
      {FileError::kBadFileNameOrNumber, u"錯誤的檔案名稱或數目"},
      {FileError::kFileNotFound, u"找不到檔案"},
      {FileError::kFileAlreadyOpen, u"檔案已經開啟"},
      {FileError::kBadRecordLength, u"錯誤的記錄長度"},
      {FileError::kDiskFull, u"磁碟已滿"},
      {FileError::kDeviceIo, u"裝置 I/O 錯誤"},
      {FileError::kInputPastEnd, u"輸入超過檔案結尾"},
      {FileError::kBadRecordNumber, u"錯誤的記錄編號"},
      {FileError::kPermissionDenied, u"沒有使用權限"},
      {FileError::kPathFileAccess, u"路徑/檔案存取錯誤"},
      {FileError::kPathNotFound, u"找不到路徑"},
  };
  return kDescriptions.at(number);
}

std::string whatOf(FileError::Number number) {
  return std::to_string(number) + ' ' + toUtf8(describe(number));
}

}  // namespace

FileError::FileError(Number number)
    : std::runtime_error(whatOf(number)), number_(number), description_(describe(number)) {}

FileError::FileError(const std::error_code& failure) : FileError(numberOf(failure)) {}

FileError::Number FileError::numberOf(const std::error_code& failure) {
  // A folder the user may not enter is a permission problem, not a missing path; a name too
  // long for the host is a bad file name, as is a loop of links that never reaches a name.
  const std::error_condition c = failure.default_error_condition();
  if (c == std::errc::no_such_file_or_directory) return kFileNotFound;
  if (c == std::errc::not_a_directory) return kPathNotFound;
  if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted)
    return kPermissionDenied;
  if (c == std::errc::filename_too_long || c == std::errc::too_many_symbolic_link_levels)
    return kBadFileNameOrNumber;
  if (c == std::errc::io_error) return kDeviceIo;
  if (c == std::errc::no_space_on_device || c == std::errc::file_too_large) return kDiskFull;
  if (c == std::errc::read_only_file_system) return kPermissionDenied;
  return kPathFileAccess;
}

}  // namespace kv884
