#include "support/recording_print_surface.hpp"

#include <sstream>

#include "platform/utf.hpp"

namespace kv884::test {

void RecordingPrintSurface::record(std::string call) {
  if (failAtCall && *failAtCall == calls.size()) throw PrintError(failReason);
  calls.push_back(std::move(call));
}

void RecordingPrintSurface::setFontSize(float points) {
  std::ostringstream s;
  s << "size " << points;
  record(s.str());
}

void RecordingPrintSurface::setFontName(const std::u16string& name) {
  record("name " + toUtf8(name));
}

void RecordingPrintSurface::printLine(const std::vector<PrintItem>& items) {
  std::string call = "line";
  for (const PrintItem& item : items) {
    if (const Tab* tab = std::get_if<Tab>(&item))
      call += " tab(" + std::to_string(tab->column) + ")";
    else
      call += " \"" + toUtf8(std::get<std::u16string>(item)) + "\"";
  }
  record(call);
}

void RecordingPrintSurface::endDocument() {
  record("end");
}

}  // namespace kv884::test
