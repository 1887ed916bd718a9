#pragma once
// The four key kinds in one table: how the query window names them, where their pages and fields
// lie, how their keys compare, and which messages end a search that finds nothing.

#include <cstdint>
#include <optional>
#include <string_view>

#include "dataset/record_field.hpp"

namespace kv884 {

struct KeyKind {
  int kind;                             // 1 統一編號, 2 帳號, 3 戶號, 4 中文戶名
  std::u16string_view caption;          // the combo box item
  int rootPage;                         // record of the holder-key index file
  int pageChars;                        // decoded characters of one key page
  int entryWidth;                       // characters of one page entry
  int keyWidth;                         // characters of an entry's key; its number follows
  char16_t keyFiller;                   // fills a shorter key to the entry's key width
  RecordField keyField;                 // in the detail record
  RecordField successor;                // the next detail record of this order
  bool upperCasesKey;                   // the typed key is compared in capitals
  bool byNameCollation;                 // names compare by the name collation
  std::u16string_view rootMissMessage;  // the key lies above every key of the kind
  std::u16string_view walkMissMessage;  // no key of the kind begins with the search key
};

inline constexpr int kEntriesPerPage = 100;
inline constexpr int kRootPages = 4;  // records 1 to 4 of the holder-key index file

const KeyKind& keyKind(int kind);  // kind 1 to 4

// The kind whose caption is exactly text (case and blanks count), if any.
std::optional<int> kindOfCaption(std::u16string_view text);

// <0, 0, >0 by the kind's order.
int compareKeys(const KeyKind& kind, std::u16string_view a, std::u16string_view b);

// The successor of this kind's order in a detail record text.
int64_t successorOf(const KeyKind& kind, std::u16string_view detailText);

// The key field of this kind in a detail record text.
std::u16string_view keyFieldOf(const KeyKind& kind, std::u16string_view detailText);

}  // namespace kv884
