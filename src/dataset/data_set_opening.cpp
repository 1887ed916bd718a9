#include "dataset/data_set_opening.hpp"

#include "dataset/data_paths.hpp"
#include "dataset/descriptor.hpp"
#include "dataset/detail_record.hpp"
#include "dataset/holder_record.hpp"
#include "dataset/key_page.hpp"

namespace kv884 {

DataSetOpening readDescriptor(FileTable& files, std::u16string_view folder,
                              const DescriptorValues& values) {
  DataSetOpening reading{OpeningEnd::Opened, descriptorPath(folder), std::nullopt};
  try {
    files.openInput(kDescriptorFile, reading.path);
    SequentialInput& in = files.input(kDescriptorFile);
    values.securityCode = readSecurityCode(in);
    values.securityName = readDescriptorItem(in);
    values.dataDate = readDescriptorItem(in);
    values.decimalFlag = readDescriptorItem(in);
  } catch (const FileError& e) {
    reading.end = OpeningEnd::DescriptorUnreadable;
    reading.error = e;
  }
  files.close(kDescriptorFile);
  return reading;
}

DataSetOpening openDataFiles(FileTable& files, std::u16string_view folder,
                             std::u16string_view code) {
  struct DataFile {
    int number;
    std::u16string (*path)(std::u16string_view, std::u16string_view);
    int recordLength;
    OpeningEnd whenEmpty;
  };
  static constexpr DataFile kFiles[] = {
      {kHolderDataFile, holderDataPath, kHolderRecordLength, OpeningEnd::HolderDataEmpty},
      {kKeyIndexFile, keyIndexPath, kKeyPageLength, OpeningEnd::KeyIndexEmpty},
      {kDetailIndexFile, detailIndexPath, kDetailRecordLength, OpeningEnd::DetailIndexEmpty}};
  DataSetOpening opening;
  int opened = 0;
  try {
    for (const DataFile& file : kFiles) {
      opening.path = file.path(folder, code);
      files.openRecords(file.number, opening.path, file.recordLength);
      ++opened;
      if (files.length(file.number) == 0) {
        opening.end = file.whenEmpty;
        break;
      }
    }
  } catch (const FileError& e) {
    opening.end = OpeningEnd::FileUnopenable;
    opening.error = e;
  }
  if (opening.end != OpeningEnd::Opened)
    while (opened > 0) files.close(kFiles[--opened].number);
  return opening;
}

}  // namespace kv884
