#include <windows.h>

#include "platform/processes.hpp"

namespace kv884 {

long currentProcessNumber() {
  return static_cast<long>(::GetCurrentProcessId());
}

// A process that may not be looked at still runs; one whose handle is still held by someone but
// that has exited has ended.
bool processHasEnded(long number) {
  const HANDLE process =
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(number));
  if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool ended = ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  ::CloseHandle(process);
  return ended;
}

}  // namespace kv884
