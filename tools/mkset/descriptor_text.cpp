#include "mkset/descriptor_text.hpp"

#include "mkset/mkset_error.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace {

std::u16string quoted(std::u16string_view item, const char* what) {
  if (item.find_first_of(u"\"\r\n") != std::u16string_view::npos)
    throw MksetError(std::string("the ") + what + " \"" + toUtf8(item) +
                     "\" holds a double quote or a line break, which the descriptor cannot carry");
  return u"\"" + std::u16string(item) + u"\"";
}

}  // namespace

std::u16string descriptorText(const SecurityItems& items) {
  return quoted(items.code, "security code") + u"," + quoted(items.name, "security name") + u"," +
         quoted(items.dataDate, "data date") + u"," + quoted(items.decimalFlag, "decimal flag") +
         u"\r\n";
}

}  // namespace kv884::mkset
