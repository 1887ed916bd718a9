#include "gui/desktop_command_line.hpp"

#include "headless/command_line.hpp"
#include "platform/host_path.hpp"
#include "platform/input_file.hpp"

namespace kv884 {

std::optional<int> readDesktopCommandLine(const std::vector<std::string>& args, std::ostream& out,
                                          std::ostream& err, DesktopArguments& arguments) {
  CLI::App app("The viewer of a book-entry allotment register (帳簿劃撥配發資料).", "kv884");
  addVersionFlag(app);
  std::vector<std::string> folders;
  app.add_option("FOLDER", folders, "the data folder to put into the start window's folder box");
  app.add_option("--eudc-font", arguments.eudcFont,
                 "draw and print user-defined characters from the TrueType font FILE (an office's "
                 "EUDC.TTE); else from $KV884_EUDC_FONT, else from ~/.local/share/kv884/eudc.tte, "
                 "else as 〓")
      ->type_name("FILE");
  if (std::optional<int> status = parseCommandLine(app, args, out, err)) return status;
  if (folders.size() > 1)
    return usageError(app, err, "one FOLDER at most, not " + CLI::detail::join(folders, " "));
  if (!folders.empty()) arguments.folder = pathTextOf(folders.front());
  try {
    // Refused here, before any window: a font the windows could not read.
    if (app.count("--eudc-font")) InputFile(arguments.eudcFont, InputKind::File);
  } catch (const FileError& e) {
    return unreadableFile(app, err, "the font file " + arguments.eudcFont, e);
  }
  return std::nullopt;
}

}  // namespace kv884
