#include "platform/file_error.hpp"

#include "platform/utf.hpp"

namespace kv884 {

FileError::FileError(int number, std::u16string description)
    : std::runtime_error(std::to_string(number).append(" ").append(toUtf8(description))),
      number_(number),
      description_(std::move(description)) {}

FileError FileError::badFileNameOrNumber() {
  return {52, u"錯誤的檔案名稱或數目"};
}
FileError FileError::fileNotFound() {
  return {53, u"找不到檔案"};
}
FileError FileError::fileAlreadyOpen() {
  return {55, u"檔案已經開啟"};
}
FileError FileError::deviceIo() {
  return {57, u"裝置 I/O 錯誤"};
}
FileError FileError::inputPastEnd() {
  return {62, u"輸入超過檔案結尾"};
}
FileError FileError::badRecordNumber() {
  return {63, u"錯誤的記錄編號"};
}
FileError FileError::permissionDenied() {
  return {70, u"沒有使用權限"};
}
FileError FileError::pathFileAccess() {
  return {75, u"路徑/檔案存取錯誤"};
}
FileError FileError::pathNotFound() {
  return {76, u"找不到路徑"};
}

}  // namespace kv884
