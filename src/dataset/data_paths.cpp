#include "dataset/data_paths.hpp"

namespace kv884 {

namespace {

std::u16string concat(std::u16string_view a, std::u16string_view b, std::u16string_view c = {},
                      std::u16string_view d = {}) {
  std::u16string path;
  path.reserve(a.size() + b.size() + c.size() + d.size());
  path.append(a).append(b).append(c).append(d);
  return path;
}

}  // namespace

std::u16string indexFolderPath(std::u16string_view folder) {
  return concat(folder, u"\\ntridx");
}

std::u16string descriptorPath(std::u16string_view folder) {
  return concat(folder, u"\\ntridx\\security.txt");
}

std::u16string holderDataPath(std::u16string_view folder, std::u16string_view code) {
  return concat(folder, u"\\ntr\\", code, u".sin");
}

std::u16string keyIndexPath(std::u16string_view folder, std::u16string_view code) {
  return concat(folder, u"\\ntridx\\", code, u"idxp.sin");
}

std::u16string detailIndexPath(std::u16string_view folder, std::u16string_view code) {
  return concat(folder, u"\\ntridx\\", code, u"idxd.sin");
}

std::u16string countReportPath(std::u16string_view folder, std::u16string_view code) {
  return concat(folder, u"\\ntr\\", code, u".ptr");
}

}  // namespace kv884
