#include <nlohmann/json.hpp>

#include "check/report_output.hpp"
#include "check/report_words.hpp"
#include "platform/utf.hpp"

namespace kv884 {

namespace {

using nlohmann::ordered_json;

ordered_json numberOrNull(int64_t n) {
  return n > 0 ? ordered_json(n) : ordered_json(nullptr);
}

ordered_json fileJson(const CheckedFile& f) {
  return {{"path", toUtf8(f.path)},
          {"length", f.length},
          {"record_length", f.recordLength},
          {"records", f.records},
          {"whole_records", f.length % f.recordLength == 0}};
}

ordered_json kindJson(int kind, const KindCounts& k) {
  return {{"kind", kind},
          {"name", toUtf8(kindName(kind))},
          {"root_used_entries", k.rootUsedEntries},
          {"leaf_pages", k.leafPages},
          {"leaf_entries", k.leafEntries},
          {"chain_length", k.chainLength}};
}

ordered_json problemJson(const Problem& p) {
  return {{"detail_records", p.detailRecords},
          {"holder_records", p.holderRecords},
          {"page", numberOrNull(p.page)},
          {"entry", numberOrNull(p.entry)},
          {"note", toUtf8(p.note)}};
}

ordered_json groupJson(const ProblemList::GroupKey& key, const ProblemList::Group& group) {
  ordered_json shown = ordered_json::array();
  for (const Problem& p : group.shown) shown.push_back(problemJson(p));
  return {{"class", std::string(problemCode(key.first))},
          {"label", toUtf8(problemLabel(key.first))},
          {"kind", numberOrNull(key.second)},
          {"count", group.count},
          {"shown", shown}};
}

}  // namespace

std::string reportJson(const CheckReport& r) {
  ordered_json kinds = ordered_json::array();
  for (int kind = 1; kind <= 4; ++kind) kinds.push_back(kindJson(kind, r.kinds[kind - 1]));
  ordered_json problems = ordered_json::array();
  for (const auto& [key, group] : r.problems.groups()) problems.push_back(groupJson(key, group));
  ordered_json report{{"folder", toUtf8(r.folder)},
                      {"security_code", toUtf8(r.securityCode)},
                      {"files",
                       {{"holder_data", fileJson(r.holderFile)},
                        {"key_index", fileJson(r.keyIndexFile)},
                        {"detail_index", fileJson(r.detailFile)}}},
                      {"kinds", kinds},
                      {"sound", r.sound()},
                      {"problem_count", r.problems.total()},
                      {"problems", problems}};
  return report.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace kv884
