#include "sqlite_peer.hpp"

#include <stdexcept>

#include "data_set_sample.hpp"
#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_kind.hpp"
#include "platform/big5.hpp"
#include "platform/key_compare.hpp"

namespace kv884::bench {

namespace {

// Columns of the key of each kind (kind - 1).
constexpr std::array<const char*, 4> kKeyColumns{"id_key", "account_key", "holder_no_key",
                                                 "name_key"};
constexpr const char* kDisplayColumns =
    "rowid, security_code, holder_no, holder_name, id_no, forced_posting, account_no, "
    "data_category, collateral_count, collateral_shares, transfer_shares, allotment_type, "
    "per_holder";

void check(sqlite3* db, int rc, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
    throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

void exec(sqlite3* db, const char* sql) {
  check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr), sql);
}

sqlite3_stmt* prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  check(db, sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr),
        sql.c_str());
  return statement;
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return NameCollation::compare(
      std::u16string_view(static_cast<const char16_t*>(a), static_cast<size_t>(lengthA) / 2),
      std::u16string_view(static_cast<const char16_t*>(b), static_cast<size_t>(lengthB) / 2));
}

void bindText(sqlite3_stmt* statement, int column, std::u16string_view text) {
  sqlite3_bind_text16(statement, column, text.data(), static_cast<int>(text.size() * 2),
                      SQLITE_TRANSIENT);
}

std::u16string_view columnText(sqlite3_stmt* statement, int column) {
  auto text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
  int bytes = sqlite3_column_bytes16(statement, column);
  return text ? std::u16string_view(text, static_cast<size_t>(bytes) / 2) : std::u16string_view();
}

}  // namespace

void registerNameCollation(sqlite3* db) {
  check(
      db,
      sqlite3_create_collation_v2(db, "kv884name", SQLITE_UTF16_ALIGNED, nullptr, collate, nullptr),
      "create collation");
}

void SqlitePeer::importInto(const std::string& databaseFile, FileTable& files,
                            const std::u16string& folder, const std::u16string& securityCode) {
  std::remove(databaseFile.c_str());
  sqlite3* db = nullptr;
  check(db, sqlite3_open(databaseFile.c_str(), &db), "open");
  try {
    registerNameCollation(db);
    exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
    exec(db,
         "CREATE TABLE holders (id_key TEXT, account_key TEXT, name_key TEXT COLLATE kv884name, "
         "holder_no_key TEXT, security_code TEXT, holder_no TEXT, holder_name TEXT, id_no TEXT, "
         "forced_posting TEXT, account_no TEXT, data_category TEXT, collateral_count TEXT, "
         "collateral_shares TEXT, transfer_shares TEXT, allotment_type TEXT, per_holder TEXT)");
    exec(db, "BEGIN");
    sqlite3_stmt* insert =
        prepare(db,
                "INSERT INTO holders VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,"
                "?15,?16)");
    const std::string detailBytes = readWholeFile(detailIndexPath(folder, securityCode));
    const std::string holderBytes = readWholeFile(holderDataPath(folder, securityCode));
    const int64_t details = files.recordCount(kDetailIndexFile);
    for (int64_t n = 1; n <= details; ++n) {
      std::string_view detailRaw =
          std::string_view(detailBytes)
              .substr(static_cast<size_t>(n - 1) * kDetailRecordLength, kDetailRecordLength);
      std::u16string detailText = decodeRecord(detailRaw, kDetailRecordChars);
      DetailRecord detail{detailText};
      std::u16string holderText = decodeRecord(
          std::string_view(holderBytes)
              .substr(static_cast<size_t>(detail.dataRecNo() - 1) * kHolderRecordLength,
                      kHolderRecordLength),
          kHolderRecordChars);
      HolderRecord holder{holderText};
      int c = 1;
      for (std::u16string_view v :
           {detail.idKey(), detail.accountKey(), detail.nameKey(), detail.holderNoKey(),
            holder.securityCode(), holder.holderNo(), detail.holderName(), holder.idNo(),
            holder.forcedPostingFlag(), holder.accountNo(), holder.dataCategory(),
            detail.collateralCount(), detail.collateralShares(), holder.transferShares(),
            holder.allotmentType(), holder.perHolderFlag()})
        bindText(insert, c++, v);
      check(db, sqlite3_step(insert), "insert");
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    exec(db, "CREATE INDEX by_id ON holders(id_key)");
    exec(db, "CREATE INDEX by_account ON holders(account_key)");
    exec(db, "CREATE INDEX by_holder_no ON holders(holder_no_key)");
    exec(db, "CREATE INDEX by_name ON holders(name_key COLLATE kv884name)");
    exec(db, "COMMIT");
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  sqlite3_close(db);
}

SqlitePeer::SqlitePeer(const std::string& databaseFile) {
  check(db_, sqlite3_open_v2(databaseFile.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), "open");
  registerNameCollation(db_);
  for (size_t k = 0; k < 4; ++k) {
    std::string column = kKeyColumns[k];
    std::string select = std::string("SELECT ") + kDisplayColumns + ", " + column +
                         " FROM holders WHERE " + column + " >= ?1 ORDER BY " + column;
    search_[k] = prepare(db_, select + " LIMIT 1");
    walk_[k] = prepare(db_, select);
  }
  byRow_ =
      prepare(db_, std::string("SELECT ") + kDisplayColumns + " FROM holders WHERE rowid = ?1");
  // One read transaction for the whole run, SQLite's fastest way to read: without it every
  // look-up takes and drops the file lock and checks the file for changes (some 5 µs here).
  exec(db_, "BEGIN");
  exec(db_, "SELECT count(*) FROM sqlite_schema");
}

SqlitePeer::~SqlitePeer() {
  sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
  for (sqlite3_stmt* s : search_) sqlite3_finalize(s);
  for (sqlite3_stmt* s : walk_) sqlite3_finalize(s);
  sqlite3_finalize(byRow_);
  sqlite3_close(db_);
}

// Reads the row the statement stands on: the display fields, then the prefix test on the key
// (column 13).
bool SqlitePeer::readRow(sqlite3_stmt* statement, int kind, const std::u16string& key,
                         PeerRecord& record) {
  if (sqlite3_step(statement) != SQLITE_ROW) return false;
  std::u16string_view found = columnText(statement, 13);
  std::u16string_view start = found.substr(0, key.size());
  bool match = kind == 4 ? NameCollation::equal(start, key) : start == key;
  if (!match || key.size() > found.size()) return false;
  lastRow_ = sqlite3_column_int64(statement, 0);
  for (int i = 0; i < 12; ++i) record.fields[i] = columnText(statement, i + 1);
  return true;
}

bool SqlitePeer::search(int kind, const std::u16string& key, PeerRecord& record) {
  sqlite3_stmt* statement = search_[kind - 1];
  sqlite3_reset(statement);
  bindText(statement, 1, key);
  return readRow(statement, kind, key, record);
}

void SqlitePeer::start(int kind, const std::u16string& key) {
  cursor_ = walk_[kind - 1];
  sqlite3_reset(cursor_);
  bindText(cursor_, 1, key);
}

bool SqlitePeer::next(int kind, const std::u16string& key, PeerRecord& record) {
  return readRow(cursor_, kind, key, record);
}

bool SqlitePeer::byRow(int64_t row, PeerRecord& record) {
  sqlite3_reset(byRow_);
  sqlite3_bind_int64(byRow_, 1, row);
  if (sqlite3_step(byRow_) != SQLITE_ROW) return false;
  for (int i = 0; i < 12; ++i) record.fields[i] = columnText(byRow_, i + 1);
  return true;
}

}  // namespace kv884::bench
