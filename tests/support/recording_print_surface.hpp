#pragma once
// A print surface that writes down every call as one readable line (UTF-8):
//   size 20 | name 細明體 | line " " tab(25) " : " | end
// and can be told to fail, as a printer that refuses the job does.

#include <optional>
#include <string>
#include <vector>

#include "platform/print_surface.hpp"

namespace kv884::test {

class RecordingPrintSurface : public PrintSurface {
 public:
  void setFontSize(float points) override;
  void setFontName(const std::u16string& name) override;
  void printLine(const std::vector<PrintItem>& items) override;
  void endDocument() override;

  std::vector<std::string> calls;
  // When set, the call with this index (0-based, counted over all calls) throws PrintError with
  // failReason instead of being recorded.
  std::optional<size_t> failAtCall;
  std::u16string failReason{u"印表機離線"};

 private:
  void record(std::string call);
};

}  // namespace kv884::test
