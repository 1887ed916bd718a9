#pragma once
// Standard error sent nowhere while a library that writes its own notes there runs: the
// programs' messages say what went wrong in their own words, and the library's lines would only
// stand between them.

namespace kv884 {

class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();  // standard error as it was
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_;
};

}  // namespace kv884
