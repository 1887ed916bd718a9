#include "check/report_words.hpp"

#include <array>

namespace kv884 {

namespace {

struct ClassWords {
  ProblemClass problemClass;
  std::u16string_view label;
  std::string_view code;
};

constexpr std::array<ClassWords, 12> kClassWords{{
    {ProblemClass::FileLength, u"檔案長度不是記錄長度的倍數", "file_length"},
    {ProblemClass::Cycle, u"鏈結成環", "cycle"},
    {ProblemClass::SuccessorRange, u"後續記錄編號超出範圍", "successor_out_of_range"},
    {ProblemClass::Unreachable, u"鏈結走不到的明細記錄", "unreachable"},
    {ProblemClass::OutOfOrder, u"鏈結順序錯誤", "out_of_order"},
    {ProblemClass::PageOrder, u"索引頁項目順序錯誤", "page_order"},
    {ProblemClass::PageKey, u"索引頁鍵值錯誤", "page_key"},
    {ProblemClass::PageLink, u"索引頁指向錯誤", "page_link"},
    {ProblemClass::NotReached, u"依鍵值查詢找不到", "not_reached"},
    {ProblemClass::DataRecordRange, u"資料記錄編號超出範圍", "data_record_out_of_range"},
    {ProblemClass::KeyMismatch, u"索引鍵值與資料記錄不符", "key_mismatch"},
    {ProblemClass::Unindexed, u"沒有明細記錄指向的資料記錄", "unindexed_holder"},
}};

const ClassWords& wordsOf(ProblemClass problemClass) {
  for (const ClassWords& w : kClassWords)
    if (w.problemClass == problemClass) return w;
  return kClassWords.front();
}

}  // namespace

std::u16string_view problemLabel(ProblemClass problemClass) {
  return wordsOf(problemClass).label;
}

std::string_view problemCode(ProblemClass problemClass) {
  return wordsOf(problemClass).code;
}

std::u16string_view kindName(int kind) {
  constexpr std::array<std::u16string_view, 4> kNames{u"統一編號", u"帳號", u"戶號", u"中文戶名"};
  return kind >= 1 && kind <= 4 ? kNames[static_cast<size_t>(kind - 1)] : u"";
}

}  // namespace kv884
