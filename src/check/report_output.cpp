// The check report as text for a person (Traditional Chinese labels, UTF-8) and as one JSON
// document, with the names both give the problem classes and key kinds.

#include "check/report_output.hpp"

#include <nlohmann/json.hpp>

#include "dataset/key_kind.hpp"
#include "platform/ascii_text.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

using nlohmann::ordered_json;

struct ClassWords {
  std::u16string_view label;  // in the text
  std::string_view code;      // in the JSON
};

// In the order of ProblemClass.
constexpr ClassWords kClassWords[] = {
    {u"檔案長度不是記錄長度的倍數", "file_length"},
    {u"鏈結成環", "cycle"},
    {u"後續記錄編號超出範圍", "successor_out_of_range"},
    {u"鏈結走不到的明細記錄", "unreachable"},
    {u"鏈結順序錯誤", "out_of_order"},
    {u"索引頁項目順序錯誤", "page_order"},
    {u"索引頁鍵值錯誤", "page_key"},
    {u"索引頁指向錯誤", "page_link"},
    {u"依鍵值查詢找不到", "not_reached"},
    {u"資料記錄編號超出範圍", "data_record_out_of_range"},
    {u"索引鍵值與資料記錄不符", "key_mismatch"},
    {u"沒有明細記錄指向的資料記錄", "unindexed_holder"},
};
static_assert(std::size(kClassWords) == static_cast<size_t>(ProblemClass::Unindexed) + 1);

const ClassWords& wordsOf(ProblemClass problemClass) {
  return kClassWords[static_cast<size_t>(problemClass)];
}

std::u16string numberList(const std::vector<int64_t>& numbers) {
  std::u16string out;
  for (int64_t n : numbers) out += (out.empty() ? u"" : u"、") + decimalText(n);
  return out;
}

std::u16string problemLine(const Problem& p) {
  std::u16string line = u"  ";
  auto part = [&line](const std::u16string& text) {
    line += (line.size() > 2 ? u"，" : u"") + text;
  };
  if (!p.detailRecords.empty()) part(u"明細記錄 " + numberList(p.detailRecords));
  if (!p.holderRecords.empty()) part(u"資料記錄 " + numberList(p.holderRecords));
  if (p.page > 0)
    part(u"索引頁 " + decimalText(p.page) +
         (p.entry > 0 ? u" 第 " + decimalText(p.entry) + u" 項" : u""));
  if (!p.note.empty()) line += (line.size() > 2 ? u"：" : u"") + p.note;
  return line + u"\n";
}

std::u16string countsText(const CheckReport& r) {
  std::u16string out = u"證券代號 " + r.securityCode + u"\n";
  out += u"資料記錄 " + decimalText(r.holderFile.records) + u" 筆\n";
  out += u"明細索引記錄 " + decimalText(r.detailFile.records) + u" 筆\n";
  int leafPages = 0;
  for (const KindCounts& k : r.kinds) leafPages += k.leafPages;
  out += u"索引頁 " + decimalText(r.keyIndexFile.records) + u" 頁，其中葉頁 " +
         decimalText(leafPages) + u" 頁\n";
  for (const KeyKind& kind : keyKinds()) {
    const KindCounts& k = r.kinds[kind.kind - 1];
    out += std::u16string(kind.name()) + u"：根頁使用 " + decimalText(k.rootUsedEntries) +
           u" 項，葉頁 " + decimalText(k.leafPages) + u" 頁，葉頁項目 " +
           decimalText(k.leafEntries) + u" 項，鏈結 " + decimalText(k.chainLength) + u" 筆\n";
  }
  return out;
}

std::u16string partialFilesText(const CheckReport& r) {
  std::u16string out = u"長度不是記錄長度倍數的檔案：";
  std::u16string list;
  for (const CheckedFile* f : {&r.holderFile, &r.keyIndexFile, &r.detailFile})
    if (f->partial()) list += u"\n  " + f->path + u"（" + decimalText(f->length) + u" 位元組）";
  return out + (list.empty() ? u"無" : list) + u"\n";
}

std::u16string problemsText(const ProblemList& problems) {
  std::u16string out =
      u"結果：發現 " + decimalText(static_cast<int64_t>(problems.total())) + u" 項問題\n";
  for (const auto& [key, group] : problems.groups()) {
    out += u"【" + std::u16string(wordsOf(key.first).label) + u"】";
    if (key.second > 0) out += std::u16string(keyKind(key.second).name()) + u" ";
    out += decimalText(static_cast<int64_t>(group.count)) + u" 項\n";
    for (const Problem& p : group.shown) out += problemLine(p);
    if (group.count > group.shown.size())
      out += u"  另有 " + decimalText(static_cast<int64_t>(group.count - group.shown.size())) +
             u" 項未列出\n";
  }
  return out;
}

ordered_json numberOrNull(int64_t n) {
  return n > 0 ? ordered_json(n) : ordered_json(nullptr);
}

ordered_json fileJson(const CheckedFile& f) {
  return {{"path", toUtf8(f.path)},
          {"length", f.length},
          {"record_length", f.recordLength},
          {"records", f.records},
          {"whole_records", !f.partial()}};
}

ordered_json kindJson(const KeyKind& kind, const KindCounts& k) {
  return {{"kind", kind.kind},
          {"name", toUtf8(kind.name())},
          {"root_used_entries", k.rootUsedEntries},
          {"leaf_pages", k.leafPages},
          {"leaf_entries", k.leafEntries},
          {"chain_length", k.chainLength}};
}

ordered_json problemJson(const Problem& p) {
  return {{"detail_records", p.detailRecords},
          {"holder_records", p.holderRecords},
          {"page", numberOrNull(p.page)},
          {"entry", numberOrNull(p.entry)},
          {"note", toUtf8(p.note)}};
}

ordered_json groupJson(const ProblemList::GroupKey& key, const ProblemList::Group& group) {
  ordered_json shown = ordered_json::array();
  for (const Problem& p : group.shown) shown.push_back(problemJson(p));
  return {{"class", std::string(wordsOf(key.first).code)},
          {"label", toUtf8(wordsOf(key.first).label)},
          {"kind", numberOrNull(key.second)},
          {"count", group.count},
          {"shown", shown}};
}

}  // namespace

std::string reportText(const CheckReport& report) {
  std::u16string out =
      u"資料檢查：" + report.folder + u"\n" + countsText(report) + partialFilesText(report);
  if (!report.sound()) return toUtf8(out + problemsText(report.problems));
  out += u"結果：正常，每位持有人皆可依";
  for (const KeyKind& k : keyKinds())  // "A、B、C及D"
    out += (k.kind == 1 ? u"" : k.kind < 4 ? u"、" : u"及") + std::u16string(k.name());
  return toUtf8(out + u"查得\n");
}

std::string reportJson(const CheckReport& r) {
  ordered_json kinds = ordered_json::array();
  for (const KeyKind& kind : keyKinds()) kinds.push_back(kindJson(kind, r.kinds[kind.kind - 1]));
  ordered_json problems = ordered_json::array();
  for (const auto& [key, group] : r.problems.groups()) problems.push_back(groupJson(key, group));
  ordered_json report{{"folder", toUtf8(r.folder)},
                      {"security_code", toUtf8(r.securityCode)},
                      {"files",
                       {{"holder_data", fileJson(r.holderFile)},
                        {"key_index", fileJson(r.keyIndexFile)},
                        {"detail_index", fileJson(r.detailFile)}}},
                      {"kinds", kinds},
                      {"sound", r.sound()},
                      {"problem_count", r.problems.total()},
                      {"problems", problems}};
  return report.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace kv884
