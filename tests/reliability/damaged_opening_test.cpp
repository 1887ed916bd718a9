// Opening a damaged data set: every file of the set missing, empty, a folder in its place or
// unreadable, and descriptors of every broken shape. Each case is checked through the start
// window (message, files left open, buttons) and through kv884-query (exit status, stderr).

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "reliability/damaged_set.hpp"
#include "startwin/report_window.hpp"

namespace kv884::test {
namespace {

enum class Damage { Missing, Empty, Folder, Unreadable };

struct DamageKind {
  Damage damage;
  const char* name;
  std::u16string error;  // the error number and text of a file that does not open
};

const DamageKind kDamages[] = {{Damage::Missing, "missing", u"53\r\n找不到檔案"},
                               {Damage::Empty, "empty", u"62\r\n輸入超過檔案結尾"},
                               {Damage::Folder, "folder", u"75\r\n路徑/檔案存取錯誤"},
                               {Damage::Unreadable, "unreadable", u"70\r\n沒有使用權限"}};

// Damages the file; false when an unreadable file cannot be made here (the superuser's rights).
bool apply(Damage damage, const fs::path& file) {
  if (damage == Damage::Empty) fs::resize_file(file, 0);
  if (damage == Damage::Missing || damage == Damage::Folder) fs::remove(file);
  if (damage == Damage::Folder) fs::create_directory(file);
  if (damage != Damage::Unreadable) return true;
  fs::permissions(file, fs::perms::none);
  int fd = ::open(file.c_str(), O_RDONLY);
  if (fd >= 0) ::close(fd);
  return fd < 0;
}

// Each file of the set under each damage: one message, nothing left open, the open button
// enabled, the same again on a second press, and kv884-query's status 2 with the message.
TEST(DamagedFileOpening, EveryFileUnderEveryDamageShowsItsOneMessageAndLeavesNothingOpen) {
  struct SetFile {
    const char* relative;
    const char16_t* code;
    const char16_t* whenEmpty;  // the message of an empty file that opens
  };
  const SetFile kFiles[] = {{"ntridx/security.txt", u"MSG_0_17 ", nullptr},
                            {"ntr/7701.sin", u"MSG_0_03 ", u"MSG_0_16 資料燒錄錯誤 !"},
                            {"ntridx/7701idxp.sin", u"MSG_0_03 ", u"MSG_0_01 無可查詢資料 !"},
                            {"ntridx/7701idxd.sin", u"MSG_0_03 ", u"MSG_0_02 資料燒錄錯誤 !"},
                            {"ntr", u"MSG_0_03 ", nullptr}};  // the data folder: path not found
  for (const SetFile& f : kFiles)
    for (const DamageKind& d : kDamages) {
      const bool dataFolder = std::string(f.relative) == "ntr";
      if (dataFolder && d.damage != Damage::Missing) continue;
      SCOPED_TRACE(std::string(f.relative) + " " + d.name);
      DamagedSet set;
      if (dataFolder)
        fs::remove_all(set.folder() / "ntr");
      else if (!apply(d.damage, set.folder() / f.relative))
        continue;
      std::u16string relative =
          fromUtf8(dataFolder ? "/ntr/7701.sin" : "/" + std::string(f.relative));
      std::replace(relative.begin(), relative.end(), u'/', u'\\');
      const std::u16string expected =
          d.damage == Damage::Empty && f.whenEmpty ? std::u16string(f.whenEmpty)
          : dataFolder ? f.code + set.folderText() + relative + u" 開檔錯誤 !\r\n76\r\n找不到路徑"
                       : f.code + set.folderText() + relative + u" 開檔錯誤 !\r\n" + d.error;
      for (int press = 0; press < 2; ++press) {
        EXPECT_FALSE(set.open());
        EXPECT_THAT(set.ui.messages,
                    testing::ElementsAre(testing::Field(&ShownMessage::caption, u"KV884")));
        EXPECT_EQ(set.ui.takeMessages(), Texts{expected});
        EXPECT_TRUE(set.program.files.openNumbers().empty());
        EXPECT_TRUE(set.program.frm_0.cmd_1.enabled);
      }
      CommandResult run = runQuery({set.folder().string(), "--by", "id", "B1"});
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.err, stderrOf(expected));
      EXPECT_EQ(run.out, "");
    }
}

// The count report missing, a folder or unreadable shows MSG_0_15; an empty one an empty report.
TEST(DamagedCountReport, ShowsMsg015OrAnEmptyReport) {
  for (const DamageKind& d : kDamages) {
    SCOPED_TRACE(d.name);
    DamagedSet set;
    if (!apply(d.damage, set.countReport())) continue;
    set.program.frm_0.cmd_5_Click();
    CommandResult run = runQuery({set.folder().string(), "--report"});
    EXPECT_TRUE(set.program.files.openNumbers().empty());
    EXPECT_EQ(run.out, "");
    ReportWindow* report = set.program.reportWindow();
    if (d.damage == Damage::Empty) {
      EXPECT_TRUE(set.ui.takeMessages().empty());
      ASSERT_NE(report, nullptr);
      EXPECT_TRUE(report->visible);
      EXPECT_EQ(report->tx_o_01.text, u"");
      EXPECT_EQ(run.status, 0);
      EXPECT_EQ(run.err, "");
      continue;
    }
    const std::u16string expected =
        u"MSG_0_15 " + set.folderText() + u"\\ntr\\7701.ptr 開檔錯誤 !\r\n" + d.error;
    EXPECT_EQ(set.ui.takeMessages(), Texts{expected});
    EXPECT_TRUE(report == nullptr || !report->visible);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, stderrOf(expected));
  }
}

// Descriptors of every broken shape: too few items, quotes left open, Big5 text, commas in the
// security name. A descriptor that fails keeps the values read before the failure.
struct DescriptorCase {
  const char* name;
  std::string bytes;
  bool opens;
  std::u16string code, securityName, dataDate, decimalFlag;  // after the read
};

const std::u16string kUnset = u"(unset)";

const DescriptorCase kDescriptorCases[] = {
    {"no_item", "", false, kUnset, kUnset, kUnset, kUnset},
    {"only_blanks_and_breaks", "  \r\n\r\n  \n", false, kUnset, kUnset, kUnset, kUnset},
    {"one_item", "\"7701\"\r\n", false, u"7701", kUnset, kUnset, kUnset},
    {"two_items", "\"7701\",\"\xB8\x73\xAC\x50\xA4\xF4\xAA\x64\"", false, u"7701", u"群星水泥",
     kUnset, kUnset},
    {"three_items", "\"7701\",\"\xB8\x73\xAC\x50\",\"20150115\",", false, u"7701", u"群星",
     u"20150115", kUnset},
    {"name_quote_left_open", "\"7701\",\"\xB8\x73\xAC\x50,20150115,Y\r\n", false, u"7701",
     u"群星,20150115,Y\r\n", kUnset, kUnset},
    {"last_quote_left_open", "\"7701\",\"\xB8\x73\xAC\x50\",\"20150115\",\"Y", true, u"7701",
     u"群星", u"20150115", u"Y"},
    {"quoted_name_with_commas", "\"7701\",\"\xB8\x73,\xAC\x50,\",\"20150115\",\"Y\"\r\n", true,
     u"7701", u"群,星,", u"20150115", u"Y"},
    {"unquoted_name_with_comma", "7701,\xB8\x73\xAC\x50,\xA4\xF4\xAA\x64,20150115,Y\r\n", true,
     u"7701", u"群星", u"水泥", u"20150115"},
    {"lone_lead_byte_in_name", "\"7701\",\"\xB8\x73\x81\",\"D\",\"N\"", true, u"7701", u"群\uFFFD",
     u"D", u"N"},
    {"big5_code_names_no_file", "\"\xB8\x73\",\"N\",\"D\",\"Y\"", false, u"群", u"N", u"D", u"Y"},
};

class DamagedDescriptor : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(DamagedDescriptor, ReadsWhatItCanAndOpensOnlyWithFourItems) {
  const DescriptorCase& c = GetParam();
  DamagedSet set;
  writeFile(set.descriptor(), c.bytes);
  Program& p = set.program;
  p.frm_0.m_SecurityCode = p.g_SecurityName = p.g_DataDate = p.g_DecimalFlag = kUnset;
  EXPECT_EQ(set.open(), c.opens);
  EXPECT_EQ(p.frm_0.m_SecurityCode, c.code);
  EXPECT_EQ(p.g_SecurityName, c.securityName);
  EXPECT_EQ(p.g_DataDate, c.dataDate);
  EXPECT_EQ(p.g_DecimalFlag, c.decimalFlag);
  const Texts messages = set.ui.takeMessages();
  CommandResult run = runQuery({set.folder().string(), "--by", "id", "B120000301", "--json"});
  if (!c.opens) {
    // A Big5 code names a data file that is not there; fewer than four items end the read.
    const std::u16string expected =
        c.code == u"群"
            ? u"MSG_0_03 " + set.folderText() + u"\\ntr\\群.sin 開檔錯誤 !\r\n53\r\n找不到檔案"
            : u"MSG_0_17 " + set.folderText() +
                  u"\\ntridx\\security.txt 開檔錯誤 !\r\n62\r\n輸入超過檔案結尾";
    EXPECT_EQ(messages, Texts{expected});
    EXPECT_TRUE(p.files.openNumbers().empty());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, stderrOf(expected));
    EXPECT_EQ(run.out, "");
    return;
  }
  EXPECT_TRUE(messages.empty());
  set.search(1, u"B120000301");
  EXPECT_TRUE(set.ui.takeMessages().empty());
  QueryWindow& w = set.window();
  EXPECT_EQ(w.tx_o_23.text, c.dataDate);
  EXPECT_EQ(w.tx_o_01.text, u"2330    " + c.securityName);
  // The holder's 劃撥股數 field holds 1500000: hundredths only under exactly "Y".
  EXPECT_EQ(w.tx_o_18.text, c.decimalFlag == u"Y" ? u"15,000.00" : u"1,500,000");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"security\":\"2330    " + toUtf8(c.securityName) + "\""),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"data_date\":\"" + toUtf8(c.dataDate) + "\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Shapes, DamagedDescriptor, ::testing::ValuesIn(kDescriptorCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kv884::test
