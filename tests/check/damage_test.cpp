// Damages to copies of the basic fixture (30 holders), each found under its class and key kind
// with the records, page and entry that lead to it, as kv884-check reports them in text and in
// JSON. Each copy takes damages that cannot meet: one to each key kind's chain or pages, and
// some to the record fields the chains do not use.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "check/data_set_editor.hpp"

namespace kv884::test {
namespace {

using Records = std::vector<int64_t>;
using json = nlohmann::ordered_json;

std::string n(int64_t number) {
  return std::to_string(number);
}

// The text report of set holds every one of found and none of absent; returns the JSON report.
json expectReport(const std::filesystem::path& set, const std::vector<std::string>& found,
                  const std::vector<std::string>& absent = {}) {
  CheckRun text = runCheck({set.string()}), report = runCheck({set.string(), "--json"});
  EXPECT_EQ(std::pair(text.status, report.status), std::pair(1, 1));
  for (const std::string& part : found) EXPECT_NE(text.out.find(part), std::string::npos) << part;
  for (const std::string& part : absent) EXPECT_EQ(text.out.find(part), std::string::npos) << part;
  return json::parse(report.out);
}

size_t at(const Records& chain, int64_t record) {
  return static_cast<size_t>(std::find(chain.begin(), chain.end(), record) - chain.begin());
}

TEST(Damage, BrokenChainsAndRecordFieldsAreFoundWithTheirRecords) {
  TempFolder temp;
  DataSetEditor e(copyFixture("basic", temp.path()), "7701");
  Records id = e.chain(1), account = e.chain(2), holderNo = e.chain(3), name = e.chain(4);
  e.setSuccessor(1, id[10], id[5]);             // a cycle
  e.setSuccessor(2, account[16], account[18]);  // ... a b c d ... becomes ... a c b d ...
  e.setSuccessor(2, account[18], account[17]);
  e.setSuccessor(2, account[17], account[19]);
  e.setSuccessor(3, holderNo[12], holderNo[14]);  // one record skipped
  const int64_t last = holderNo.back();           // above every leaf key, in its data record too
  e.detail.put(last, DetailRecord::kHolderNoKey, u"ZZZZZZZZZZ");
  e.holders.put(DetailRecord{e.detailText(last)}.dataRecNo(), HolderRecord::kHolderNo,
                u"ZZZZZZZZZZ");
  e.pages.put(2, entryKeyField(keyKind(2), 6), u"ZZZZZZZZZZZZ");  // names a root page
  e.pages.put(2, entryNumberField(keyKind(2), 6), u"000002");
  e.setSuccessor(4, name[3], 31);  // beyond the file
  int64_t first = 1;               // the detail record naming holder data record 1, and another
  while (DetailRecord{e.detailText(first)}.dataRecNo() != 1) ++first;
  const int64_t other = first == 7 ? 8 : 7;
  e.detail.put(first, DetailRecord::kDataRecNo, u"000000");
  e.detail.put(other, DetailRecord::kDataRecNo, u"000031");
  const std::u16string detail12 = e.detailText(12);
  const int64_t holder12 = DetailRecord{detail12}.dataRecNo();
  e.holders.put(holder12, HolderRecord::kIdNo, u"Z999999999");
  std::filesystem::resize_file(e.detail.path, 29 * kDetailRecordLength + 100);  // in a name
  const std::string folder = (temp.path() / "basic").string();
  const std::string detailFile = folder + "\\ntridx\\7701idxd.sin";
  const json report = expectReport(
      folder,
      {"【鏈結成環】統一編號 1 項\n  明細記錄 " + n(id[10]) + "、" + n(id[5]) + "：明細記錄 " +
           n(id[10]) + " 的後續記錄 " + n(id[5]) + " 已經走過\n",
       "【鏈結走不到的明細記錄】統一編號 19 項\n",
       "【鏈結順序錯誤】帳號 1 項\n  明細記錄 " + n(account[18]) + "、" + n(account[17]) + "：",
       "【索引頁指向錯誤】帳號 2 項\n  索引頁 2 第 6 項：指向索引頁 2，不是葉頁\n",
       "【鏈結走不到的明細記錄】戶號 1 項\n  明細記錄 " + n(holderNo[13]) + "\n",
       "【依鍵值查詢找不到】戶號 1 項\n  明細記錄 " + n(last) +
           "：鍵值「ZZZZZZZZZZ」大於所有葉頁鍵值\n",
       "【後續記錄編號超出範圍】中文戶名 1 項\n  明細記錄 " + n(name[3]) + "：後續記錄編號為 31\n",
       "【鏈結走不到的明細記錄】中文戶名 26 項\n", "  另有 6 項未列出\n【",
       "【資料記錄編號超出範圍】2 項\n  明細記錄 " + n(std::min(first, other)) +
           "：DataRecNo 為「0000",
       "【沒有明細記錄指向的資料記錄】2 項\n  資料記錄 1\n",
       "【索引鍵值與資料記錄不符】1 項\n  明細記錄 12，資料記錄 " + n(holder12) +
           "：統一編號 索引為「" + toUtf8(DetailRecord{detail12}.idKey()) +
           "」，資料記錄為「Z999999999」\n",
       "【檔案長度不是記錄長度的倍數】1 項\n  " + detailFile +
           "：長度 4537 位元組，不是記錄長度 153 的倍數\n",
       "長度不是記錄長度倍數的檔案：\n  " + detailFile + "（4537 位元組）\n"},
      {"【鏈結走不到的明細記錄】帳號"});
  std::string keys;  // the report's keys in order, with those of a file, a kind and a group
  for (const json& object :
       {report, report["files"]["detail_index"], report["kinds"][0], report["problems"][0]})
    for (const auto& [key, value] : object.items()) keys += key + " ";
  EXPECT_EQ(keys,
            "folder security_code files kinds sound problem_count problems path length "
            "record_length records whole_records kind name root_used_entries leaf_pages "
            "leaf_entries chain_length class label kind count shown ");
  EXPECT_EQ(report["files"]["detail_index"]["whole_records"], false);
}

TEST(Damage, PagesThatMissTheirRunsAndSuccessorsWithoutDigitsAreFound) {
  TempFolder temp;
  DataSetEditor e(copyFixture("basic", temp.path()), "7701");
  // 統一編號: a leaf entry names the second record of its run, so the first is not reached and
  // the run before ends with it.
  Records id = e.chain(1);
  const int64_t idLeaf = e.firstLeaf(1);
  KeyPage idPage{keyKind(1), e.pages.text(idLeaf)};
  int entry = 2;  // the first entry after the first whose run holds two records or more
  while (id[at(id, idPage.number(entry)) + 1] == idPage.number(entry + 1)) ++entry;
  const int64_t first = idPage.number(entry), second = id[at(id, first) + 1];
  e.pages.put(idLeaf, entryNumberField(keyKind(1), entry), recordNumberText(second));
  // 帳號: leaf entry 2 takes entry 1's key; the search for a key of its run starts at entry 3,
  // after the whole run.
  Records account = e.chain(2);
  const int64_t accountLeaf = e.firstLeaf(2);
  KeyPage accountPage{keyKind(2), e.pages.text(accountLeaf)};
  e.pages.put(accountLeaf, entryKeyField(keyKind(2), 2), accountPage.key(1));
  const size_t run = at(account, accountPage.number(2)), next = at(account, accountPage.number(3));
  // 戶號: root entry 2 (page 4) takes a key below entry 1's and below its leaf's last key; leaf
  // entry 3 names the record entry 2 names.
  e.pages.put(4, entryKeyField(keyKind(3), 2), u"0000000000  ");
  const int64_t holderLeaf = e.firstLeaf(3);
  const std::u16string holderPage = e.pages.text(holderLeaf);
  e.pages.put(holderLeaf, entryNumberField(keyKind(3), 3),
              field(holderPage, entryNumberField(keyKind(3), 2)));
  // 中文戶名: a successor without digits; a root entry used after an empty one.
  Records name = e.chain(4);
  e.detail.put(name[7], keyKind(4).successor, u"      ");
  e.pages.put(3, entryNumberField(keyKind(4), 7), u"000005");
  const json report = expectReport(
      temp.path() / "basic",
      {"【依鍵值查詢找不到】統一編號 1 項\n  明細記錄 " + n(first) + "、" + n(second) +
           "，索引頁 " + n(idLeaf) + " 第 " + n(entry) + " 項：",
       "【索引頁鍵值錯誤】統一編號 1 項\n  明細記錄 " + n(first) + "，索引頁 " + n(idLeaf) +
           " 第 " + n(entry - 1) + " 項：",
       "【索引頁鍵值錯誤】帳號 1 項\n  明細記錄 " + n(account[next - 1]) + "，索引頁 " +
           n(accountLeaf) + " 第 2 項：",
       "【依鍵值查詢找不到】帳號 " + n(next - run) + " 項\n",
       "【索引頁項目順序錯誤】戶號 1 項\n  索引頁 4 第 2 項：鍵值「0000000000  」",
       "【索引頁鍵值錯誤】戶號 1 項\n  索引頁 4 第 2 項：",
       "【索引頁指向錯誤】戶號 1 項\n  明細記錄 " + n(KeyPage{keyKind(3), holderPage}.number(2)) +
           "，索引頁 " + n(holderLeaf) + " 第 3 項：與索引頁 " + n(holderLeaf) +
           " 第 2 項指向同一筆明細記錄\n",
       "【索引頁項目順序錯誤】中文戶名 1 項\n  索引頁 3 第 7 項：空白項目之後仍有使用中的項目\n",
       "【後續記錄編號超出範圍】中文戶名 1 項\n  明細記錄 " + n(name[7]) + "：",
       "【鏈結走不到的明細記錄】中文戶名 22 項\n"});
  // The groups in the order of their classes: 中文戶名's successor, its unreachable records, then
  // 戶號's page order.
  EXPECT_EQ(
      report["problems"][2]["shown"][0].dump(),
      R"({"detail_records":[],"holder_records":[],"page":4,"entry":2,"note":"鍵值「0000000000  」小於前一項目的「0000809764  」"})");
}

}  // namespace
}  // namespace kv884::test
