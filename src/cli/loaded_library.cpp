#include "cli/loaded_library.hpp"

#include <dlfcn.h>

namespace kv884 {

void* libraryFunction(const std::string& file, const char* name) {
  void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* error = ::dlerror();
    throw LibraryUnavailable(error ? error : file);
  }
  if (void* function = ::dlsym(library, name)) return function;
  throw LibraryUnavailable(file + ": " + name + " ?");
}

}  // namespace kv884
