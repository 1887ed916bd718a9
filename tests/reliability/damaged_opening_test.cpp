// Opening a damaged data set: every file of the set missing, empty, a folder in its place or
// unreadable, and descriptors of every broken shape. Each case is checked through the start
// window (message, files left open, buttons) and through kv884-query (exit status, stderr).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "reliability/damaged_set.hpp"
#include "startwin/report_window.hpp"

namespace kv884::test {
namespace {

enum class Damage { Missing, Empty, Folder, Unreadable };

const char* damageName(Damage d) {
  switch (d) {
    case Damage::Missing:
      return "missing";
    case Damage::Empty:
      return "empty";
    case Damage::Folder:
      return "folder";
    case Damage::Unreadable:
      return "unreadable";
  }
  return "";
}

void apply(Damage damage, const fs::path& file) {
  switch (damage) {
    case Damage::Missing:
      fs::remove(file);
      break;
    case Damage::Empty:
      fs::resize_file(file, 0);
      break;
    case Damage::Folder:
      fs::remove(file);
      fs::create_directory(file);
      break;
    case Damage::Unreadable:
      fs::permissions(file, fs::perms::none);
      break;
  }
}

// Permissions keep out everyone but the superuser: an unreadable file cannot be made here when
// the file still opens after its permissions were taken away.
bool stillReadable(const fs::path& file) {
  int fd = ::open(file.c_str(), O_RDONLY);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

enum class SetFile { Descriptor, HolderData, KeyIndex, DetailIndex };

struct OpeningCase {
  SetFile file;
  Damage damage;
  // The message of the start window, given the folder text.
  std::function<std::u16string(const std::u16string&)> message;
};

fs::path pathOf(const DamagedSet& set, SetFile file) {
  switch (file) {
    case SetFile::Descriptor:
      return set.descriptor();
    case SetFile::HolderData:
      return set.holderData();
    case SetFile::KeyIndex:
      return set.keyIndex();
    case SetFile::DetailIndex:
      return set.detailIndex();
  }
  return {};
}

std::function<std::u16string(const std::u16string&)> fileError(std::u16string code,
                                                               std::u16string relative,
                                                               std::u16string error) {
  return [=](const std::u16string& folder) {
    return code + folder + relative + u" 開檔錯誤 !\r\n" + error;
  };
}

std::function<std::u16string(const std::u16string&)> fixed(std::u16string text) {
  return [=](const std::u16string&) { return text; };
}

const std::u16string kDescriptorPart = u"\\ntridx\\security.txt";
const std::u16string kHolderPart = u"\\ntr\\7701.sin";
const std::u16string kKeyIndexPart = u"\\ntridx\\7701idxp.sin";
const std::u16string kDetailPart = u"\\ntridx\\7701idxd.sin";

const OpeningCase kOpeningCases[] = {
    {SetFile::Descriptor, Damage::Missing,
     fileError(u"MSG_0_17 ", kDescriptorPart, u"53\r\n找不到檔案")},
    {SetFile::Descriptor, Damage::Empty,
     fileError(u"MSG_0_17 ", kDescriptorPart, u"62\r\n輸入超過檔案結尾")},
    {SetFile::Descriptor, Damage::Folder,
     fileError(u"MSG_0_17 ", kDescriptorPart, u"75\r\n路徑/檔案存取錯誤")},
    {SetFile::Descriptor, Damage::Unreadable,
     fileError(u"MSG_0_17 ", kDescriptorPart, u"70\r\n沒有使用權限")},
    {SetFile::HolderData, Damage::Missing,
     fileError(u"MSG_0_03 ", kHolderPart, u"53\r\n找不到檔案")},
    {SetFile::HolderData, Damage::Empty, fixed(u"MSG_0_16 資料燒錄錯誤 !")},
    {SetFile::HolderData, Damage::Folder,
     fileError(u"MSG_0_03 ", kHolderPart, u"75\r\n路徑/檔案存取錯誤")},
    {SetFile::HolderData, Damage::Unreadable,
     fileError(u"MSG_0_03 ", kHolderPart, u"70\r\n沒有使用權限")},
    {SetFile::KeyIndex, Damage::Missing,
     fileError(u"MSG_0_03 ", kKeyIndexPart, u"53\r\n找不到檔案")},
    {SetFile::KeyIndex, Damage::Empty, fixed(u"MSG_0_01 無可查詢資料 !")},
    {SetFile::KeyIndex, Damage::Folder,
     fileError(u"MSG_0_03 ", kKeyIndexPart, u"75\r\n路徑/檔案存取錯誤")},
    {SetFile::KeyIndex, Damage::Unreadable,
     fileError(u"MSG_0_03 ", kKeyIndexPart, u"70\r\n沒有使用權限")},
    {SetFile::DetailIndex, Damage::Missing,
     fileError(u"MSG_0_03 ", kDetailPart, u"53\r\n找不到檔案")},
    {SetFile::DetailIndex, Damage::Empty, fixed(u"MSG_0_02 資料燒錄錯誤 !")},
    {SetFile::DetailIndex, Damage::Folder,
     fileError(u"MSG_0_03 ", kDetailPart, u"75\r\n路徑/檔案存取錯誤")},
    {SetFile::DetailIndex, Damage::Unreadable,
     fileError(u"MSG_0_03 ", kDetailPart, u"70\r\n沒有使用權限")},
};

std::string openingCaseName(const ::testing::TestParamInfo<OpeningCase>& info);

void PrintTo(const OpeningCase& c, std::ostream* os) {
  *os << openingCaseName({c, 0});
}

class DamagedFileOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(DamagedFileOpening, ShowsItsOneMessageAndLeavesNothingOpen) {
  const OpeningCase& c = GetParam();
  DamagedSet set;
  const fs::path file = pathOf(set, c.file);
  apply(c.damage, file);
  if (c.damage == Damage::Unreadable && stillReadable(file))
    GTEST_SKIP() << "running with the superuser's rights: a file without permissions still opens";
  const std::u16string expected = c.message(set.folderText());

  Session s(set.folderText());
  EXPECT_FALSE(s.open());
  EXPECT_EQ(s.ui.captions(), std::vector<std::u16string>{u"KV884"});
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{expected});
  EXPECT_TRUE(s.program.files.openNumbers().empty());
  EXPECT_TRUE(s.program.frm_0.cmd_1.enabled);
  EXPECT_EQ(s.program.queryWindow(), nullptr);

  // Pressing the button again meets the same damage the same way.
  EXPECT_FALSE(s.open());
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{expected});
  EXPECT_TRUE(s.program.files.openNumbers().empty());

  QueryRun run = runQuery({set.folder().string(), "--by", "id", "B1"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(expected));
  EXPECT_EQ(run.out, "");
}

std::string openingCaseName(const ::testing::TestParamInfo<OpeningCase>& info) {
  static const char* const kFiles[] = {"descriptor", "holder_data", "key_index", "detail_index"};
  return std::string(kFiles[static_cast<int>(info.param.file)]) + "_" +
         damageName(info.param.damage);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, DamagedFileOpening, ::testing::ValuesIn(kOpeningCases),
                         openingCaseName);

TEST(DamagedFileOpening, MissingDataFolderIsPathNotFound) {
  DamagedSet set;
  fs::remove_all(set.folder() / "ntr");
  const std::u16string expected =
      u"MSG_0_03 " + set.folderText() + kHolderPart + u" 開檔錯誤 !\r\n76\r\n找不到路徑";
  Session s(set.folderText());
  EXPECT_FALSE(s.open());
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{expected});
  EXPECT_TRUE(s.program.files.openNumbers().empty());
  QueryRun run = runQuery({set.folder().string(), "--by", "id"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(expected));
}

// The count report: the report file missing, empty, a folder or unreadable.
struct ReportCase {
  Damage damage;
  std::u16string error;  // empty: the report opens
};

void PrintTo(const ReportCase& c, std::ostream* os) {
  *os << damageName(c.damage);
}

class DamagedCountReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(DamagedCountReport, ShowsMsg015OrAnEmptyReport) {
  const ReportCase& c = GetParam();
  DamagedSet set;
  apply(c.damage, set.countReport());
  if (c.damage == Damage::Unreadable && stillReadable(set.countReport()))
    GTEST_SKIP() << "running with the superuser's rights: a file without permissions still opens";

  Session s(set.folderText());
  s.program.frm_0.cmd_5_Click();
  QueryRun run = runQuery({set.folder().string(), "--report"});
  EXPECT_TRUE(s.program.files.openNumbers().empty());
  if (c.error.empty()) {
    EXPECT_TRUE(s.ui.takeTexts().empty());
    ASSERT_NE(s.program.reportWindow(), nullptr);
    EXPECT_TRUE(s.program.reportWindow()->visible);
    EXPECT_EQ(s.program.reportWindow()->tx_o_01.text, u"");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    return;
  }
  const std::u16string expected =
      u"MSG_0_15 " + set.folderText() + u"\\ntr\\7701.ptr 開檔錯誤 !\r\n" + c.error;
  EXPECT_EQ(s.ui.takeTexts(), std::vector<std::u16string>{expected});
  EXPECT_TRUE(s.program.reportWindow() == nullptr || !s.program.reportWindow()->visible);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, stderrOf(expected));
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(ReportFile, DamagedCountReport,
                         ::testing::Values(ReportCase{Damage::Missing, u"53\r\n找不到檔案"},
                                           ReportCase{Damage::Empty, u""},
                                           ReportCase{Damage::Folder, u"75\r\n路徑/檔案存取錯誤"},
                                           ReportCase{Damage::Unreadable, u"70\r\n沒有使用權限"}),
                         [](const ::testing::TestParamInfo<ReportCase>& info) {
                           return std::string(damageName(info.param.damage));
                         });

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

void PrintTo(const DescriptorCase& c, std::ostream* os) {
  *os << c.name;
}

class DamagedDescriptor : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(DamagedDescriptor, ReadsWhatItCanAndOpensOnlyWithFourItems) {
  const DescriptorCase& c = GetParam();
  DamagedSet set;
  writeFile(set.descriptor(), c.bytes);

  Session s(set.folderText());
  s.program.frm_0.m_SecurityCode = kUnset;
  s.program.g_SecurityName = kUnset;
  s.program.g_DataDate = kUnset;
  s.program.g_DecimalFlag = kUnset;
  const bool opened = s.open();
  EXPECT_EQ(opened, c.opens);
  EXPECT_EQ(s.program.frm_0.m_SecurityCode, c.code);
  EXPECT_EQ(s.program.g_SecurityName, c.securityName);
  EXPECT_EQ(s.program.g_DataDate, c.dataDate);
  EXPECT_EQ(s.program.g_DecimalFlag, c.decimalFlag);
  std::vector<std::u16string> messages = s.ui.takeTexts();
  QueryRun run = runQuery({set.folder().string(), "--by", "id", "B120000301", "--json"});

  if (c.code == u"群") {
    // The code names a data file that is not there.
    const std::u16string expected =
        u"MSG_0_03 " + set.folderText() + u"\\ntr\\群.sin 開檔錯誤 !\r\n53\r\n找不到檔案";
    EXPECT_EQ(messages, std::vector<std::u16string>{expected});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, stderrOf(expected));
    return;
  }
  if (!c.opens) {
    const std::u16string expected = u"MSG_0_17 " + set.folderText() + kDescriptorPart +
                                    u" 開檔錯誤 !\r\n62\r\n輸入超過檔案結尾";
    EXPECT_EQ(messages, std::vector<std::u16string>{expected});
    EXPECT_TRUE(s.program.files.openNumbers().empty());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, stderrOf(expected));
    EXPECT_EQ(run.out, "");
    return;
  }
  EXPECT_TRUE(messages.empty());
  s.search(1, u"B120000301");
  EXPECT_TRUE(s.ui.takeTexts().empty());
  QueryWindow& w = s.window();
  EXPECT_EQ(w.tx_o_23.text, c.dataDate);
  EXPECT_EQ(w.tx_o_01.text, u"2330    " + c.securityName);
  // The holder's 劃撥股數 field holds 1500000: hundredths only under exactly "Y".
  EXPECT_EQ(w.tx_o_18.text, c.decimalFlag == u"Y" ? u"15,000.00" : u"1,500,000");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"security\": \"2330    " + toUtf8(c.securityName) + "\""),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"data_date\": \"" + toUtf8(c.dataDate) + "\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Shapes, DamagedDescriptor, ::testing::ValuesIn(kDescriptorCases),
                         [](const ::testing::TestParamInfo<DescriptorCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kv884::test
