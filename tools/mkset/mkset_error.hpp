#pragma once
// What stops a build: bad input, a layout that cannot hold the holders, a file that cannot be
// written. The message is a whole sentence for the user.

#include <stdexcept>

namespace kv884::mkset {

class MksetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kv884::mkset
