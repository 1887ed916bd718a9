#include "dataset/data_paths.hpp"

namespace kv884 {

namespace {

std::u16string inFolder(std::u16string_view folder, std::u16string_view relative,
                        std::u16string_view code = {}, std::u16string_view suffix = {}) {
  return std::u16string(folder).append(relative).append(code).append(suffix);
}

}  // namespace

std::u16string indexFolderPath(std::u16string_view folder) {
  return inFolder(folder, u"\\ntridx");
}

std::u16string descriptorPath(std::u16string_view folder) {
  return inFolder(folder, u"\\ntridx\\security.txt");
}

std::u16string holderDataPath(std::u16string_view folder, std::u16string_view code) {
  return inFolder(folder, u"\\ntr\\", code, u".sin");
}

std::u16string keyIndexPath(std::u16string_view folder, std::u16string_view code) {
  return inFolder(folder, u"\\ntridx\\", code, u"idxp.sin");
}

std::u16string detailIndexPath(std::u16string_view folder, std::u16string_view code) {
  return inFolder(folder, u"\\ntridx\\", code, u"idxd.sin");
}

std::u16string countReportPath(std::u16string_view folder, std::u16string_view code) {
  return inFolder(folder, u"\\ntr\\", code, u".ptr");
}

}  // namespace kv884
