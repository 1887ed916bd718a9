#include "cli/loaded_library.hpp"

#include <dlfcn.h>

namespace kv884 {

LoadedLibrary::LoadedLibrary(const std::string& file)
    : file_(file), handle_(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (!handle_) {
    const char* error = ::dlerror();
    throw LibraryUnavailable(error ? error : file);
  }
}

void* LoadedLibrary::address(const char* name) const {
  void* function = ::dlsym(handle_, name);
  if (!function) throw LibraryUnavailable(file_ + ": " + name + " ?");
  return function;
}

}  // namespace kv884
