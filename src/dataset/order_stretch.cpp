#include "dataset/order_stretch.hpp"

#include "dataset/data_paths.hpp"
#include "dataset/detail_record.hpp"

namespace kv884 {

void OrderStretch::read(FileTable& files, const std::vector<uint32_t>& detailNos) {
  details_.gather(files, kDetailIndexFile, detailNos);
  dataNos_.resize(detailNos.size());
  for (size_t i = 0; i < detailNos.size(); ++i)
    dataNos_[i] = static_cast<uint32_t>(dataRecNoOf(details_[i], text_));
  data_.gather(files, kHolderDataFile, dataNos_);
}

}  // namespace kv884
