#include <fcntl.h>
#include <io.h>

#include "platform/quiet_standard_error.hpp"

namespace kv884 {

QuietStandardError::QuietStandardError() : saved_(::_dup(2)) {
  const int nowhere = ::_open("NUL", _O_WRONLY);
  if (nowhere < 0) return;
  ::_dup2(nowhere, 2);
  ::_close(nowhere);
}

QuietStandardError::~QuietStandardError() {
  if (saved_ < 0) return;
  ::_dup2(saved_, 2);
  ::_close(saved_);
}

}  // namespace kv884
