#include "dataset/order_stretch.hpp"

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"
#include "platform/big5.hpp"

namespace kv884 {

void OrderStretch::read(FileTable& files, const std::vector<uint32_t>& detailNos) {
  details_.gather(files, kDetailIndexFile, detailNos);
  dataNos_.resize(detailNos.size());
  // Only the characters up to the holder data record's number are decoded.
  const auto through =
      static_cast<size_t>(DetailRecord::kDataRecNo.position + DetailRecord::kDataRecNo.length - 1);
  for (size_t i = 0; i < detailNos.size(); ++i) {
    PartialRecordText text(details_[i], through, text_);
    dataNos_[i] = static_cast<uint32_t>(DetailRecord{text.upTo(through)}.dataRecNo());
  }
  data_.gather(files, kHolderDataFile, dataNos_);
}

}  // namespace kv884
