#pragma once
// A print surface that writes down every call as one readable line (UTF-8):
//   size 20 | name 細明體 | line " " tab(25) " : " | end
// and can be told to fail, as a printer that refuses the job does.

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/print_surface.hpp"
#include "platform/utf.hpp"

namespace kv884::test {

class RecordingPrintSurface : public PrintSurface {
 public:
  void setFontSize(float points) override {
    std::ostringstream s;
    s << "size " << points;
    record(s.str());
  }
  void setFontName(const std::u16string& name) override { record("name " + toUtf8(name)); }
  void printLine(const std::vector<PrintItem>& items) override {
    std::string call = "line";
    for (const PrintItem& item : items) {
      if (const Tab* tab = std::get_if<Tab>(&item))
        call += " tab(" + std::to_string(tab->column) + ")";
      else
        call += " \"" + toUtf8(std::get<std::u16string>(item)) + "\"";
    }
    record(call);
  }
  void endDocument() override { record("end"); }

  std::vector<std::string> calls;
  // When set, the call with this index (0-based, counted over all calls) throws PrintError, as an
  // offline printer does, instead of being recorded.
  std::optional<size_t> failAtCall;

 private:
  void record(std::string call) {
    if (failAtCall && *failAtCall == calls.size()) throw PrintError(u"印表機離線");
    calls.push_back(std::move(call));
  }
};

}  // namespace kv884::test
