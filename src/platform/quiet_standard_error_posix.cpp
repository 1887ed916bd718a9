#include <fcntl.h>
#include <unistd.h>

#include "platform/quiet_standard_error.hpp"

namespace kv884 {

QuietStandardError::QuietStandardError() : saved_(::fcntl(2, F_DUPFD_CLOEXEC, 3)) {
  const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (nowhere < 0) return;
  ::dup2(nowhere, 2);
  ::close(nowhere);
}

QuietStandardError::~QuietStandardError() {
  if (saved_ < 0) return;
  ::dup2(saved_, 2);
  ::close(saved_);
}

}  // namespace kv884
