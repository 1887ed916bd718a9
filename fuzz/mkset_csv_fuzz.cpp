// kv884-mkset's CSV reader over arbitrary bytes (as the file holds them, with the code 7701 for a
// missing security_code column): it either refuses the text with its message or gives holders
// each of whose fields has exactly its width, whose holder record fits its 122 bytes of Big5 and
// whose name key is six double-byte characters, so that no accepted input can shift a record or
// a name page.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dataset/holder_record.hpp"
#include "mkset/holder.hpp"
#include "mkset/holder_csv.hpp"
#include "mkset/mkset_error.hpp"
#include "platform/big5.hpp"

namespace {

using namespace kv884;
using namespace kv884::mkset;

// A crash libFuzzer reports; the property shows in the stack trace.
void require(bool property) {
  if (!property) std::abort();
}

void checkHolder(const Holder& holder) {
  for (const HolderFieldLayout& layout : holderFieldLayouts())
    require(holder.get(layout.field).size() == layout.width());
  require(encodeBig5(holderRecordOf(holder)).size() <= size_t{kHolderRecordLength});
  require(encodeBig5(nameKeyOf(holder.get(HolderField::HolderName))).size() == 12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    for (const Holder& holder : holdersFromCsv(text, u"7701")) checkHolder(holder);
  } catch (const MksetError&) {
    // refused with a message: the reader's other outcome
  }
  return 0;
}
