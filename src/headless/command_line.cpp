#include "headless/command_line.hpp"

namespace kv884 {

void addVersionFlag(CLI::App& app) {
  app.set_version_flag("--version", app.get_name() + " " + KV884_VERSION);
}

std::optional<int> parseCommandLine(CLI::App& app, const std::vector<std::string>& args,
                                    std::ostream& out, std::ostream& err) {
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // as CLI11 takes them
  try {
    app.parse(reversed);
    return std::nullopt;
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return 0;
  } catch (const CLI::ParseError& e) {
    return usageError(app, err, e.what());
  }
}

int usageError(const CLI::App& app, std::ostream& err, const std::string& problem) {
  err << app.get_name() << ": " << problem << " (--help shows the usage)\n";
  return kExitUsage;
}

}  // namespace kv884
