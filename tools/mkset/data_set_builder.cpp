#include "mkset/data_set_builder.hpp"

#include <algorithm>
#include <functional>

#include "dataset/count_report.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "dataset/key_page.hpp"
#include "dataset/record_number.hpp"
#include "mkset/count_report.hpp"
#include "mkset/key_orders.hpp"
#include "mkset/mkset_error.hpp"
#include "mkset/record_file.hpp"
#include "mkset/record_numbering.hpp"
#include "platform/output_file.hpp"
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

// A kind's chain is cut into runs of runLength records; a leaf page names up to runsPerPage runs
// by their first detail record and their last key; the kind's root page names its leaf pages by
// their last key, so a kind has at most 100 leaf pages.
constexpr int64_t kMaxLeafPages = kEntriesPerPage;

int64_t ceilDiv(int64_t a, int64_t b) {
  return (a + b - 1) / b;
}

int64_t leafPagesNeeded(int64_t count, int64_t runLength, int runsPerPage) {
  return ceilDiv(ceilDiv(count, runLength), runsPerPage);
}

int64_t chooseRunLength(int64_t count, const DataSetOptions& options) {
  if (options.runsPerPage < 1 || options.runsPerPage > kEntriesPerPage)
    throw MksetError("runs per page must be 1 to " + std::to_string(kEntriesPerPage) + ", not " +
                     std::to_string(options.runsPerPage));
  const int64_t smallest =
      std::max<int64_t>(1, ceilDiv(count, kMaxLeafPages * options.runsPerPage));
  if (!options.runLength) return smallest;
  int64_t runLength = *options.runLength;
  if (runLength < 1) throw MksetError("the run length must be at least 1");
  if (leafPagesNeeded(count, runLength, options.runsPerPage) > kMaxLeafPages)
    throw MksetError(
        "a run length of " + std::to_string(runLength) + " cannot hold " + std::to_string(count) +
        " holders: a key kind has at most " + std::to_string(kMaxLeafPages) + " leaf pages of " +
        std::to_string(options.runsPerPage) + " runs each; the smallest run length that fits is " +
        std::to_string(smallest));
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

// The pages of the holder-key index file in record order: the four root pages, then the leaf
// pages of the four kinds, shuffled together.
std::vector<std::u16string> keyIndexPages(const std::vector<Holder>& holders,
                                          const std::array<KeyOrder, 4>& orders,
                                          const std::vector<int64_t>& detailNo, size_t runLength,
                                          const DataSetOptions& options,
                                          std::array<int64_t, 4>& leafCounts) {
  struct Leaf {
    size_t k;  // kind - 1
    PageEntries entries;
  };
  std::vector<Leaf> leaves;  // in chain order within each kind
  const size_t entriesPerLeaf = runLength * static_cast<size_t>(options.runsPerPage);
  for (size_t k = 0; k < 4; ++k) {
    const int kind = static_cast<int>(k) + 1;
    const KeyOrder& order = orders[k];
    // An entry names a run of the chain by its first detail record and its last key.
    for (size_t first = 0; first < order.size(); first += runLength) {
      if (first % entriesPerLeaf == 0) {
        leaves.push_back({k, {}});
        ++leafCounts[k];
      }
      const uint32_t last = order[std::min(first + runLength, order.size()) - 1];
      leaves.back().entries.push_back(
          {pageKey(keyKind(kind), keyOf(holders[last], kind)), detailNo[order[first]]});
    }
  }

  std::vector<uint32_t> placement = shuffled(leaves.size(), options.seed ^ 0x1EAFULL);
  std::vector<int64_t> leafRecord(leaves.size());
  for (size_t r = 0; r < placement.size(); ++r)
    leafRecord[placement[r]] = static_cast<int64_t>(r) + kRootPages + 1;
  std::array<PageEntries, 4> roots;
  for (size_t i = 0; i < leaves.size(); ++i)
    roots[leaves[i].k].push_back({leaves[i].entries.back().key, leafRecord[i]});

  std::vector<std::u16string> pages(kRootPages);
  for (size_t k = 0; k < 4; ++k) {
    const KeyKind& kind = keyKind(static_cast<int>(k) + 1);
    pages[static_cast<size_t>(kind.rootPage - 1)] = keyPageText(kind, roots[k]);
  }
  for (uint32_t leaf : placement)
    pages.push_back(
        keyPageText(keyKind(static_cast<int>(leaves[leaf].k) + 1), leaves[leaf].entries));
  return pages;
}

void makeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directory(folder, error);
  if (error) throw writeError(error.value());
}

// The record of each item, in order, as the file at path.
template <typename Items, typename RecordOf>
void writeRecords(const fs::path& path, const Items& items, RecordOf recordOf,
                  std::optional<size_t> recordLength = std::nullopt) {
  RecordFile file(path);
  for (const auto& item : items) file.write(recordOf(item), recordLength);
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
  writeRecords(
      path, holderAt, [&](uint32_t h) { return detailRecordOf(holders[h], links[h]); },
      kDetailRecordLength);
}

}  // namespace

BuildSummary buildDataSet(const fs::path& folder, const std::vector<Holder>& holders,
                          const DataSetOptions& options) {
  checkHolderCount(holders.size());
  checkCode(options.security.code);
  auto count = static_cast<int64_t>(holders.size());
  int64_t runLength = chooseRunLength(count, options);
  std::u16string descriptor;
  try {
    descriptor = descriptorText(options.security);
  } catch (const std::invalid_argument& e) {
    throw MksetError(e.what());
  }

  std::array<KeyOrder, 4> orders = keyOrders(holders);
  std::vector<int64_t> detailNo =
      detailRecordNumbers(holders.size(), options.seed, holderForRecord999999(orders));
  BuildSummary summary{count, runLength, {}};
  std::vector<std::u16string> pages = keyIndexPages(
      holders, orders, detailNo, static_cast<size_t>(runLength), options, summary.leafPages);

  // Each file where the viewer looks for it, by the relative part of the path it forms.
  const std::u16string& code = options.security.code;
  auto inFolder = [&folder](const std::u16string& formed) {
    std::string relative = toUtf8(formed);
    std::ranges::replace(relative, '\\', '/');
    return folder / relative.substr(1);
  };
  const fs::path holderData = inFolder(holderDataPath(u"", code));
  makeFolder(folder);
  makeFolder(holderData.parent_path());
  makeFolder(inFolder(indexFolderPath(u"")));

  writeRecords(holderData, holders, holderRecordOf, kHolderRecordLength);
  writeDetailIndex(inFolder(detailIndexPath(u"", code)), holders, orders, detailNo);
  writeRecords(inFolder(keyIndexPath(u"", code)), pages, std::identity(), kKeyPageLength);
  writeRecords(inFolder(descriptorPath(u"")), std::array{descriptor}, std::identity());
  const std::u16string report = countReportText(
      options.reportText ? *options.reportText : countReportOf(holders, options.security));
  writeRecords(inFolder(countReportPath(u"", code)), std::array{report}, std::identity());
  return summary;
}

}  // namespace kv884::mkset
