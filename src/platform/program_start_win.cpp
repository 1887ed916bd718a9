#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <streambuf>

#include "platform/program_start.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

// A console takes text as UTF-16 through WriteConsoleW, whatever its code page; the program's
// UTF-8 is converted a whole character at a time, so a character split between two flushes is
// held back until it is complete.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) { setp(buffer_, buffer_ + kSize); }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override {
    const size_t pending = static_cast<size_t>(pptr() - buffer_);
    const size_t complete = completeLength(pending);
    const std::u16string text = fromUtf8(std::string_view(buffer_, complete));
    DWORD written = 0;
    if (!text.empty() &&
        !::WriteConsoleW(console_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
      return -1;
    std::copy(buffer_ + complete, pptr(), buffer_);
    setp(buffer_, buffer_ + kSize);
    pbump(static_cast<int>(pending - complete));
    return 0;
  }

 private:
  static constexpr size_t kSize = 4096;

  // The length of the buffer's first n bytes without an unfinished UTF-8 sequence at the end.
  size_t completeLength(size_t n) const {
    size_t start = n;
    while (start > 0 && n - start < 4 && (buffer_[start - 1] & 0xC0) == 0x80) --start;
    if (start == 0) return n;
    const auto lead = static_cast<unsigned char>(buffer_[start - 1]);
    const size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return n - (start - 1) < needed ? start - 1 : n;
  }

  HANDLE console_;
  char buffer_[kSize];
};

// Files and pipes get the program's bytes unchanged; a console gets them through ConsoleBuffer.
void setUpStream(int fd, DWORD handleId, std::ostream* stream) {
  ::_setmode(fd, _O_BINARY);
  if (!stream) return;
  const HANDLE handle = ::GetStdHandle(handleId);
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) return;
  stream->rdbuf(new ConsoleBuffer(handle));  // never freed: the stream writes through it to the end
}

}  // namespace

std::vector<std::string> startProgram(int, char**) {
  setUpStream(_fileno(stdin), STD_INPUT_HANDLE, nullptr);
  setUpStream(_fileno(stdout), STD_OUTPUT_HANDLE, &std::cout);
  setUpStream(_fileno(stderr), STD_ERROR_HANDLE, &std::cerr);
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(toUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  ::LocalFree(argv);
  return arguments;
}

}  // namespace kv884
