#include "mkset/data_set_builder.hpp"

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/record_number.hpp"
#include "mkset/count_report.hpp"
#include "mkset/index_pages.hpp"
#include "mkset/key_orders.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/record_file.hpp"
#include "mkset/record_numbering.hpp"
#include "mkset/record_texts.hpp"
#include "platform/utf.hpp"

namespace kv884::mkset {

namespace fs = std::filesystem;

namespace {

void checkHolderCount(size_t count) {
  if (count == 0) throw MksetError("there are no holders to write");
  if (static_cast<int64_t>(count) > kMaxHolders)
    throw MksetError(std::to_string(count) +
                     " holders are too many: six-digit record numbers reach " +
                     std::to_string(kMaxHolders));
}

void checkCode(const std::u16string& code) {
  if (code.find_first_of(u"/\\") != std::u16string::npos || code == u"." || code == u"..")
    throw MksetError("the security code \"" + toUtf8(code) + "\" cannot be part of a file name");
}

int64_t chooseRunLength(int64_t count, const DataSetOptions& options) {
  std::optional<int64_t> smallest = smallestRunLength(count, options.runsPerPage);
  if (!smallest)
    throw MksetError("runs per page must be 1 to " + std::to_string(kEntriesPerPage) + ", not " +
                     std::to_string(options.runsPerPage));
  if (!options.runLength) return *smallest;
  int64_t runLength = *options.runLength;
  if (runLength < 1) throw MksetError("the run length must be at least 1");
  if (leafPagesNeeded(count, runLength, options.runsPerPage) > kMaxLeafPages)
    throw MksetError(
        "a run length of " + std::to_string(runLength) + " cannot hold " + std::to_string(count) +
        " holders: a key kind has at most " + std::to_string(kMaxLeafPages) + " leaf pages of " +
        std::to_string(options.runsPerPage) + " runs each; the smallest run length that fits is " +
        std::to_string(*smallest));
  return runLength;
}

std::optional<uint32_t> holderForRecord999999(const std::array<KeyOrder, 4>& orders) {
  if (static_cast<int64_t>(orders[0].size()) <= kLastUsableSuccessor) return std::nullopt;
  std::optional<uint32_t> first = firstInEveryOrder(orders);
  if (!first)
    throw MksetError(
        "999999 holders need one holder that comes first in all four key orders: detail record "
        "999999 cannot be a successor, since 999999 ends a chain");
  return first;
}

struct Layout {
  std::vector<int64_t> detailNo;                     // per holder
  std::array<std::vector<PageEntries>, 4> leaves;    // per kind - 1
  std::array<std::vector<int64_t>, 4> leafRecords;   // record of each leaf page
  std::vector<std::pair<int, size_t>> leafAtRecord;  // after the root pages: (kind, leaf index)
};

Layout planLayout(const std::vector<Holder>& holders, const std::array<KeyOrder, 4>& orders,
                  int64_t runLength, const DataSetOptions& options) {
  Layout layout;
  layout.detailNo =
      detailRecordNumbers(holders.size(), options.seed, holderForRecord999999(orders));
  for (int kind = 1; kind <= 4; ++kind) {
    const KeyOrder& order = orders[static_cast<size_t>(kind - 1)];
    std::vector<std::u16string> keys;
    std::vector<int64_t> records;
    keys.reserve(order.size());
    records.reserve(order.size());
    for (uint32_t h : order) {
      keys.push_back(keyOf(holders[h], kind));
      records.push_back(layout.detailNo[h]);
    }
    layout.leaves[static_cast<size_t>(kind - 1)] =
        leafPages(keyKind(kind), keys, records, runLength, options.runsPerPage);
  }

  std::vector<std::pair<int, size_t>> allLeaves;
  for (int kind = 1; kind <= 4; ++kind)
    for (size_t i = 0; i < layout.leaves[static_cast<size_t>(kind - 1)].size(); ++i)
      allLeaves.emplace_back(kind, i);
  std::vector<uint32_t> placement = shuffled(allLeaves.size(), options.seed ^ 0x1EAFULL);
  for (int kind = 1; kind <= 4; ++kind)
    layout.leafRecords[static_cast<size_t>(kind - 1)].resize(
        layout.leaves[static_cast<size_t>(kind - 1)].size());
  for (size_t r = 0; r < placement.size(); ++r) {
    auto [kind, index] = allLeaves[placement[r]];
    layout.leafRecords[static_cast<size_t>(kind - 1)][index] =
        static_cast<int64_t>(r) + kRootPages + 1;
    layout.leafAtRecord.push_back(allLeaves[placement[r]]);
  }
  return layout;
}

void writeHolderData(const fs::path& path, const std::vector<Holder>& holders) {
  RecordFile file(path);
  for (const Holder& h : holders) file.writeRecord(holderRecordText(h), kHolderRecordLength);
  file.close();
}

void writeDetailIndex(const fs::path& path, const std::vector<Holder>& holders,
                      const std::array<KeyOrder, 4>& orders, const std::vector<int64_t>& detailNo) {
  std::vector<DetailLinks> links(holders.size());
  for (size_t h = 0; h < holders.size(); ++h) links[h].dataRecNo = static_cast<int64_t>(h) + 1;
  for (size_t k = 0; k < 4; ++k) {
    const KeyOrder& order = orders[k];
    for (size_t i = 0; i < order.size(); ++i)
      links[order[i]].next[k] = i + 1 < order.size() ? detailNo[order[i + 1]] : kEndOfChain;
  }
  std::vector<uint32_t> holderAt(holders.size());
  for (size_t h = 0; h < holders.size(); ++h)
    holderAt[static_cast<size_t>(detailNo[h] - 1)] = static_cast<uint32_t>(h);

  RecordFile file(path);
  for (uint32_t h : holderAt)
    file.writeRecord(detailRecordText(holders[h], links[h]), kDetailRecordLength);
  file.close();
}

void writeKeyIndex(const fs::path& path, const Layout& layout) {
  std::array<PageEntries, 4> roots;
  for (int kind = 1; kind <= 4; ++kind) {
    auto k = static_cast<size_t>(kind - 1);
    roots[static_cast<size_t>(keyKind(kind).rootPage - 1)] =
        rootPage(layout.leaves[k], layout.leafRecords[k]);
  }
  RecordFile file(path);
  for (int record = 1; record <= kRootPages; ++record) {
    int kind = 1;
    while (keyKind(kind).rootPage != record) ++kind;
    file.writeRecord(pageText(keyKind(kind), roots[static_cast<size_t>(record - 1)]),
                     kKeyPageLength);
  }
  for (auto [kind, index] : layout.leafAtRecord)
    file.writeRecord(pageText(keyKind(kind), layout.leaves[static_cast<size_t>(kind - 1)][index]),
                     kKeyPageLength);
  file.close();
}

void writeText(const fs::path& path, const std::u16string& text) {
  RecordFile file(path);
  file.writeText(text);
  file.close();
}

}  // namespace

BuildSummary buildDataSet(const fs::path& folder, const std::vector<Holder>& holders,
                          const DataSetOptions& options) {
  checkHolderCount(holders.size());
  checkCode(options.security.code);
  auto count = static_cast<int64_t>(holders.size());
  int64_t runLength = chooseRunLength(count, options);
  std::u16string descriptor = descriptorText(options.security);

  std::array<KeyOrder, 4> orders = keyOrders(holders);
  Layout layout = planLayout(holders, orders, runLength, options);

  std::error_code error;
  fs::create_directories(folder / "ntr", error);
  fs::create_directories(folder / "ntridx", error);
  if (!fs::is_directory(folder / "ntr") || !fs::is_directory(folder / "ntridx"))
    throw MksetError("cannot create the folders ntr and ntridx in " + folder.string());

  std::string code = toUtf8(options.security.code);
  writeHolderData(folder / "ntr" / (code + ".sin"), holders);
  writeDetailIndex(folder / "ntridx" / (code + "idxd.sin"), holders, orders, layout.detailNo);
  writeKeyIndex(folder / "ntridx" / (code + "idxp.sin"), layout);
  writeText(folder / "ntridx" / "security.txt", descriptor);
  writeText(folder / "ntr" / (code + ".ptr"), options.reportText
                                                  ? withCrLf(*options.reportText)
                                                  : countReportText(holders, options.security));

  BuildSummary summary;
  summary.holders = count;
  summary.runLength = runLength;
  for (size_t k = 0; k < 4; ++k)
    summary.leafPages[k] = static_cast<int64_t>(layout.leaves[k].size());
  return summary;
}

}  // namespace kv884::mkset
