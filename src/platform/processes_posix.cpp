#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/processes.hpp"

namespace kv884 {

long currentProcessNumber() {
  return ::getpid();
}

bool processHasEnded(long number) {
  return ::kill(static_cast<pid_t>(number), 0) != 0 && errno == ESRCH;
}

}  // namespace kv884
