#pragma once
// kv884-query FOLDER --by KIND --keys FILE: 查詢 for every key of a key file on one opened data
// set, one output line per line of the file, in the file's order, each beginning with the line's
// number and its key, so the answers can be joined back to the list. A key that finds a holder
// gives the screen 查詢 shows for it in a freshly opened query window, exactly as a single
// look-up prints it; any other line gives the message and the exit status a single look-up would
// give (64 for a line that is refused before any search). With exact, a holder is found only when
// its whole key field, without its padding, is the key: a list of complete IDs is not answered
// with a longer ID that begins with one of them.

#include <cstdint>
#include <ostream>
#include <string>

namespace kv884 {

class FileTable;
class HeadlessUi;
class KeyLineReader;
class ProgressMeter;
class QueryWindow;

struct BatchOptions {
  std::ostream& out;
  bool json;
  bool exact;
  const std::u16string& securityName;  // the program's, for screens made apart from the window
  const std::u16string& decimalFlag;
};

// Returns the exit status: 0 when every key found a holder, 2 when a record could not be read,
// else 1 when some line found none.
int lookUpKeys(QueryWindow& window, HeadlessUi& ui, FileTable& files, int kind, KeyLineReader& keys,
               const BatchOptions& options, ProgressMeter& progress);

// The output line of a line that found no holder (without its line break).
std::string missLine(int64_t lineNumber, const std::u16string& key, const std::u16string& message,
                     int status, bool json);

}  // namespace kv884
