#pragma once
// The two sequential passes over the record files: the holder data file first, reduced to one
// fingerprint of its three key fields per record; then the detail index file, kept as a
// DetailTable and checked record by record against the holder data records it names.

#include <cstdint>
#include <string_view>
#include <vector>

#include "check/detail_table.hpp"
#include "check/problem_list.hpp"
#include "dataset/block_reader.hpp"
#include "platform/file_table.hpp"

namespace kv884 {

// The fingerprint of a holder data record's IdNo, AccountNo and HolderNo, or of a detail record's
// IdKey, AccountKey and HolderNoKey: equal fields give equal fingerprints.
uint64_t keyFingerprint(std::u16string_view id, std::u16string_view account,
                        std::u16string_view holderNo);

struct HolderPass {
  RecordFileSize size;
  std::vector<uint64_t> fingerprints;  // by record number; [0] unused
};

HolderPass readHolderFile(FileTable& files);

struct DetailPass {
  RecordFileSize size;
  DetailTable table;
};

// Also reads the holder data record of each mismatch that is shown.
DetailPass readDetailFile(FileTable& files, const HolderPass& holders, ProblemList& problems);

}  // namespace kv884
