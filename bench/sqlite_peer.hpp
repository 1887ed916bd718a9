#pragma once
// The peer: the same holders in an SQLite table with an index per key (names under the same
// collation, registered with SQLite), looked up by prepared statements.

#include <sqlite3.h>

#include <array>
#include <string>
#include <vector>

#include "platform/file_table.hpp"

namespace kv884::bench {

// The display fields of one holder, read as text.
struct PeerRecord {
  std::array<std::u16string, 12> fields;
};

class SqlitePeer {
 public:
  // Opens an existing database file made by importInto.
  explicit SqlitePeer(const std::string& databaseFile);
  ~SqlitePeer();
  SqlitePeer(const SqlitePeer&) = delete;
  SqlitePeer& operator=(const SqlitePeer&) = delete;

  // Writes a fresh database file with the holders of the open data set (files 2 and 3) and the
  // four indexes.
  static void importInto(const std::string& databaseFile, FileTable& files,
                         const std::u16string& folder, const std::u16string& securityCode);

  // 查詢: the first holder whose key is not below key, accepted when its key begins with key.
  bool search(int kind, const std::u16string& key, PeerRecord& record);

  // 次筆: a cursor positioned by start(), stepped one row on by next().
  void start(int kind, const std::u16string& key);
  bool next(int kind, const std::u16string& key, PeerRecord& record);

  // A shown screen read again by its row (the peer of 前一畫面 / 下一畫面).
  bool byRow(int64_t row, PeerRecord& record);

  int64_t lastRow() const { return lastRow_; }

 private:
  bool readRow(sqlite3_stmt* statement, int kind, const std::u16string& key, PeerRecord& record);

  sqlite3* db_{nullptr};
  std::array<sqlite3_stmt*, 4> search_{};
  std::array<sqlite3_stmt*, 4> walk_{};
  sqlite3_stmt* byRow_{nullptr};
  sqlite3_stmt* cursor_{nullptr};
  int64_t lastRow_{0};
};

// Registers the name collation on a connection as "kv884name".
void registerNameCollation(sqlite3* db);

}  // namespace kv884::bench
