#pragma once
// The libraries loaded when first needed instead of linked (the workbook writer, the PDF printer
// module): one way of loading them, and one error for a library that cannot be loaded, which
// nothing else raises.

#include <stdexcept>
#include <string>

namespace kv884 {

// what(): the library and why it could not be loaded.
class LibraryUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The function name of the library file, which stays loaded for the life of the process (Qt does
// not like to be unloaded); LibraryUnavailable when either cannot be found.
void* libraryFunction(const std::string& file, const char* name);

}  // namespace kv884
