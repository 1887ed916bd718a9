#include "check/note_text.hpp"
#include "check/report_output.hpp"
#include "check/report_words.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

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
  for (int kind = 1; kind <= 4; ++kind) {
    const KindCounts& k = r.kinds[kind - 1];
    out += std::u16string(kindName(kind)) + u"：根頁使用 " + decimalText(k.rootUsedEntries) +
           u" 項，葉頁 " + decimalText(k.leafPages) + u" 頁，葉頁項目 " +
           decimalText(k.leafEntries) + u" 項，鏈結 " + decimalText(k.chainLength) + u" 筆\n";
  }
  return out;
}

std::u16string partialFilesText(const CheckReport& r) {
  std::u16string out = u"長度不是記錄長度倍數的檔案：";
  std::u16string list;
  for (const CheckedFile* f : {&r.holderFile, &r.keyIndexFile, &r.detailFile})
    if (f->recordLength > 0 && f->length % f->recordLength != 0)
      list += u"\n  " + f->path + u"（" + decimalText(f->length) + u" 位元組）";
  return out + (list.empty() ? u"無" : list) + u"\n";
}

std::u16string problemsText(const ProblemList& problems) {
  std::u16string out =
      u"結果：發現 " + decimalText(static_cast<int64_t>(problems.total())) + u" 項問題\n";
  for (const auto& [key, group] : problems.groups()) {
    out += u"【" + std::u16string(problemLabel(key.first)) + u"】";
    if (key.second > 0) out += std::u16string(kindName(key.second)) + u" ";
    out += decimalText(static_cast<int64_t>(group.count)) + u" 項\n";
    for (const Problem& p : group.shown) out += problemLine(p);
    if (group.count > group.shown.size())
      out += u"  另有 " + decimalText(static_cast<int64_t>(group.count - group.shown.size())) +
             u" 項未列出\n";
  }
  return out;
}

}  // namespace

std::string reportText(const CheckReport& report) {
  std::u16string out =
      u"資料檢查：" + report.folder + u"\n" + countsText(report) + partialFilesText(report);
  if (report.sound())
    out += u"結果：正常，每位持有人皆可依統一編號、帳號、戶號及中文戶名查得\n";
  else
    out += problemsText(report.problems);
  return toUtf8(out);
}

}  // namespace kv884
