#pragma once
// The four key kinds in one table: how the windows, the command lines and the reports name them,
// where their pages and fields lie, how their keys compare, and which messages end a search that
// finds nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/record_field.hpp"

namespace kv884 {

struct KeyKind {
  int kind;                             // 1 統一編號, 2 帳號, 3 戶號, 4 中文戶名
  std::u16string_view caption;          // the combo box item: "依 " and the kind's name
  std::string_view commandName;         // KIND of kv884-query --by
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

  // 統一編號, 帳號, 戶號 or 中文戶名, as reports and messages name the kind.
  constexpr std::u16string_view name() const { return caption.substr(caption.find(u' ') + 1); }
};

inline constexpr int kEntriesPerPage = 100;
inline constexpr int kKeyBoxLimit = 12;  // characters a key box takes: the widest page key
inline constexpr int kRootPages = 4;     // records 1 to 4 of the holder-key index file

const KeyKind& keyKind(int kind);  // kind 1 to 4

// Every kind, by number.
const std::array<KeyKind, 4>& keyKinds();

// The combo boxes' list of captions, in the order the windows show them.
std::vector<std::u16string> kindCaptionList();

// The kind whose caption is exactly text (case and blanks count), if any.
std::optional<int> kindOfCaption(std::u16string_view text);

// <0, 0, >0 by the kind's order.
int compareKeys(const KeyKind& kind, std::u16string_view a, std::u16string_view b);

// The successor of this kind's order in a detail record text.
int64_t successorOf(const KeyKind& kind, std::u16string_view detailText);

// The key field of this kind in a detail record text.
std::u16string_view keyFieldOf(const KeyKind& kind, std::u16string_view detailText);

}  // namespace kv884
