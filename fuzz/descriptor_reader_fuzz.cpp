// The security descriptor reader over arbitrary bytes: items are read until the file ends, as
// often as the bytes allow. Only error 62 (input past the end) may end the reading, and every
// item read takes at least one byte, so the reading always ends.

#include <cstddef>
#include <cstdint>

#include "dataset/descriptor_reader.hpp"
#include "memory_file.hpp"
#include "platform/file_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kv884;
  fuzz::MemoryFile file(data, size);
  SequentialInput in(file.fd());
  size_t items = 0;
  try {
    for (;;) {
      std::u16string item = readDescriptorItem(in);
      if (++items > size) fuzz::fail("an item read without taking a byte");
      (void)item;
    }
  } catch (const FileError& e) {
    if (e.number() != 62) fuzz::fail("a descriptor read ended with an error other than 62");
  }
  return 0;
}
