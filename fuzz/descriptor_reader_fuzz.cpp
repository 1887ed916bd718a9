// The security descriptor reader over arbitrary bytes, item after item until the file ends: only
// error 62 (input past the end) may end the reading, and libFuzzer's -timeout catches a reading
// that never ends.

#include "dataset/descriptor_reader.hpp"
#include "memory_file.hpp"
#include "platform/file_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kv884::fuzz::MemoryFile file(data, size);
  kv884::SequentialInput in(file.fd());
  try {
    for (;;) kv884::readDescriptorItem(in);
  } catch (const kv884::FileError& e) {
    if (e.number() != 62) kv884::fuzz::fail("a descriptor read ended with another error");
  }
  return 0;
}
