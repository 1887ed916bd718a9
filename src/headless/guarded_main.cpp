#include "headless/guarded_main.hpp"

#include <filesystem>
#include <iostream>
#include <new>

#include "platform/key_compare.hpp"

namespace kv884 {

namespace {

void report(std::string_view program, const std::string& what, const FileError& e) {
  std::cerr << program << ": " << what << e.what() << '\n';
}

int runBody(std::string_view program, const std::function<int(const StandardStreams&)>& body,
            const StandardStreams& streams) {
  try {
    return body(streams);
  } catch (const std::filesystem::filesystem_error& e) {
    report(program, e.path1().string() + " 開檔錯誤：", FileError(e.code()));
  } catch (const FileError& e) {
    report(program, "讀寫錯誤：", e);
  } catch (const CollationUnavailable& e) {
    std::cerr << program << ": " << e.what() << '\n';
    return kExitNoCollation;
  } catch (const std::bad_alloc&) {
    std::cerr << program << ": 記憶體不足\n";
  } catch (const std::exception& e) {
    std::cerr << program << ": 無法完成：" << e.what() << '\n';
  }
  return kExitGuardFailure;
}

}  // namespace

int guardedMain(std::string_view program, const std::function<int(const StandardStreams&)>& body) {
  const StandardStreams streams = secureStandardStreams();
  const int status = runBody(program, body, streams);
  if (std::optional<FileError> lost = finishStandardOutput()) {
    report(program, "標準輸出無法寫入：", *lost);
    return kExitGuardFailure;
  }
  return status;
}

}  // namespace kv884
