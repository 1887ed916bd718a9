// A copy of the set on the local disc: the file table reads its bytes, whatever becomes of the
// files on the medium; where it cannot be made (no temporary folder) or written (a full disc,
// before the copy or while it is made), the table reads the medium as before.

#include "dataset/set_copy.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "dataset/block_reader.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "platform/file_error.hpp"
#include "support/fixture_set.hpp"
#include "support/full_disc.hpp"

namespace kv884 {

TEST(SetCopy, TheTableReadsTheCopyOrWhereTheCopyFailsTheMedium) {
  for (const auto& [folder, behind] : {std::pair<std::string, bool>{"tmp", false},
                                       {"missing", false},
                                       {"full", false},
                                       {"full later", false},
                                       {"tmp", true},
                                       {"full later", true}}) {
    SCOPED_TRACE(folder + (behind ? ", copied behind the reader" : ""));
    test::FixtureSet set;
    const std::filesystem::path temporary = set.temp.path() / folder;
    std::optional<test::FullDisc> disc;
    if (folder.rfind("full", 0) == 0) disc.emplace(temporary, folder == "full");
    if (disc && !disc->mounted()) continue;
    if (folder == "tmp") std::filesystem::create_directories(temporary);
    ::setenv("TMPDIR", temporary.c_str(), 1);
    FileTable files;
    files.openRecords(kDetailIndexFile, fromUtf8(set.detailIndex().string()), kDetailRecordLength);
    files.openRecords(kHolderDataFile, fromUtf8(set.holderData().string()), kHolderRecordLength);
    SetCopy copy(files, {kDetailIndexFile, kHolderDataFile});
    copy.copyAsRead();
    readRecordFile(files, kDetailIndexFile, [](int64_t, std::string_view) {});
    if (folder == "full later") disc->fill();
    if (behind) {
      // The holder data file as its copy reaches it, or nothing once the copy has failed.
      copy.startCompleting();
      std::string copied(std::filesystem::file_size(set.holderData()) + 10, '\0');
      if (folder == "tmp")
        copied.resize(copy.readCopied(kHolderDataFile, 0, copied.data(), copied.size()));
      else
        EXPECT_THROW(copy.readCopied(kHolderDataFile, 0, copied.data(), 1), FileError);
      EXPECT_EQ(copied == test::readFile(set.holderData()), folder == "tmp");
    }
    EXPECT_EQ(behind ? copy.finishCompleting() : copy.complete(), folder == "tmp");
    ::unsetenv("TMPDIR");
    const std::string detail = files.readRecord(kDetailIndexFile, 30);
    const std::string data = files.readRecord(kHolderDataFile, 30);
    for (const auto& file : {set.detailIndex(), set.holderData()})
      test::writeFile(file, std::string(std::filesystem::file_size(file), 'X'));
    EXPECT_EQ(files.readRecord(kDetailIndexFile, 30) == detail, folder == "tmp");
    EXPECT_EQ(files.readRecord(kHolderDataFile, 30) == data, folder == "tmp");
  }
}

}  // namespace kv884
