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

// A library file loaded for the life of the process: never unloaded, as Qt does not like to be.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const std::string& file);

  // The function of that name; LibraryUnavailable when the library has none.
  template <typename Function>
  void bind(Function& function, const char* name) const {
    function = reinterpret_cast<Function>(address(name));
  }

 private:
  void* address(const char* name) const;

  std::string file_;
  void* handle_;
};

}  // namespace kv884
