#pragma once
// kv884's command line, `kv884 [--eudc-font FILE] [FOLDER]`, read before any window system is
// needed and by the rules of the command-line programs.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kv884 {

struct DesktopArguments {
  std::u16string folder;  // for the start window's folder box
  std::string eudcFont;   // the user-defined-character font named, as given; empty when none
};

// args without the program name. Nothing when the windows are to open (arguments then filled);
// else the status to end with, after what --help, --version or the usage error printed.
std::optional<int> readDesktopCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                          std::ostream& err, DesktopArguments& arguments);

}  // namespace kv884
