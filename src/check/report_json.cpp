#include "check/report_output.hpp"
#include "check/report_words.hpp"
#include "cli/json_output.hpp"

namespace kv884 {

namespace {

std::string str(std::u16string_view text) {
  return jsonString(std::u16string(text));
}

std::string numbers(const std::vector<int64_t>& list) {
  std::string out = "[";
  for (size_t i = 0; i < list.size(); ++i) out += (i ? ", " : "") + std::to_string(list[i]);
  return out + "]";
}

std::string orNull(int64_t n) {
  return n > 0 ? std::to_string(n) : "null";
}

std::string fileJson(const CheckedFile& f) {
  return "{\"path\": " + str(f.path) + ", \"length\": " + std::to_string(f.length) +
         ", \"record_length\": " + std::to_string(f.recordLength) +
         ", \"records\": " + std::to_string(f.records) +
         ", \"whole_records\": " + (f.length % f.recordLength == 0 ? "true" : "false") + "}";
}

std::string kindJson(int kind, const KindCounts& k) {
  return "{\"kind\": " + std::to_string(kind) + ", \"name\": " + str(kindName(kind)) +
         ", \"root_used_entries\": " + std::to_string(k.rootUsedEntries) +
         ", \"leaf_pages\": " + std::to_string(k.leafPages) +
         ", \"leaf_entries\": " + std::to_string(k.leafEntries) +
         ", \"chain_length\": " + std::to_string(k.chainLength) + "}";
}

std::string problemJson(const Problem& p) {
  return "{\"detail_records\": " + numbers(p.detailRecords) +
         ", \"holder_records\": " + numbers(p.holderRecords) + ", \"page\": " + orNull(p.page) +
         ", \"entry\": " + orNull(p.entry) + ", \"note\": " + str(p.note) + "}";
}

std::string groupJson(const ProblemList::GroupKey& key, const ProblemList::Group& group) {
  std::string out = "{\"class\": \"" + std::string(problemCode(key.first)) +
                    "\", \"label\": " + str(problemLabel(key.first)) +
                    ", \"kind\": " + orNull(key.second) +
                    ", \"count\": " + std::to_string(group.count) + ", \"shown\": [";
  for (size_t i = 0; i < group.shown.size(); ++i)
    out += (i ? ",\n    " : "\n    ") + problemJson(group.shown[i]);
  return out + "]}";
}

}  // namespace

std::string reportJson(const CheckReport& r) {
  std::string out = "{\"folder\": " + str(r.folder) +
                    ",\n \"security_code\": " + str(r.securityCode) +
                    ",\n \"files\": {\"holder_data\": " + fileJson(r.holderFile) +
                    ",\n  \"key_index\": " + fileJson(r.keyIndexFile) +
                    ",\n  \"detail_index\": " + fileJson(r.detailFile) + "},\n \"kinds\": [";
  for (int kind = 1; kind <= 4; ++kind)
    out += (kind > 1 ? ",\n  " : "\n  ") + kindJson(kind, r.kinds[kind - 1]);
  out += "],\n \"sound\": " + std::string(r.sound() ? "true" : "false") +
         ",\n \"problem_count\": " + std::to_string(r.problems.total()) + ",\n \"problems\": [";
  bool first = true;
  for (const auto& [key, group] : r.problems.groups()) {
    out += (first ? "\n  " : ",\n  ") + groupJson(key, group);
    first = false;
  }
  return out + "]}\n";
}

}  // namespace kv884
