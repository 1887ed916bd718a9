// Reading the security descriptor and opening the data set for the query window.

#include "dataset/data_paths.hpp"
#include "dataset/descriptor_reader.hpp"
#include "platform/file_error.hpp"
#include "startwin/program.hpp"
#include "startwin/start_window.hpp"

namespace kv884 {

void StartWindow::ReadSecurityFile() {
  FileTable& files = program_.files;
  m_ReadFailed = 1;
  m_FilePath = descriptorPath(tx_i_01.text);
  try {
    files.openInput(kDescriptorFile, m_FilePath);
    SequentialInput& in = files.input(kDescriptorFile);
    // Each value is stored as soon as its item is read: a descriptor that fails half-way
    // leaves the values read before the failure.
    m_SecurityCode = readSecurityCode(in);
    program_.g_SecurityName = readDescriptorItem(in);
    program_.g_DataDate = readDescriptorItem(in);
    program_.g_DecimalFlag = readDescriptorItem(in);
    files.close(kDescriptorFile);
    m_ReadFailed = 0;
  } catch (const FileError& e) {
    files.close(kDescriptorFile);
    showFileError(u"MSG_0_17 ", e.number(), e.description());
  }
}

ClickOutcome StartWindow::cmd_1_Click() {
  if (!cmd_1.enabled) return ClickOutcome::Disabled;  // the data set is open in the query window
  ReadSecurityFile();
  if (m_ReadFailed == 1) return ClickOutcome::OpenFailed;

  FileTable& files = program_.files;
  const std::u16string folder = tx_i_01.text;
  try {
    m_OpenStage = 0;
    m_FilePath = holderDataPath(folder, m_SecurityCode);
    files.openRecords(kHolderDataFile, m_FilePath, kHolderRecordLength);
    if (files.length(kHolderDataFile) == 0) {
      showMessage(u"MSG_0_16 資料燒錄錯誤 !");
      files.close(kHolderDataFile);
      return ClickOutcome::OpenFailed;
    }
    m_OpenStage = 1;

    m_FilePath = keyIndexPath(folder, m_SecurityCode);
    files.openRecords(kKeyIndexFile, m_FilePath, kKeyPageLength);
    if (files.length(kKeyIndexFile) == 0) {
      showMessage(u"MSG_0_01 無可查詢資料 !");
      files.close(kKeyIndexFile);
      files.close(kHolderDataFile);
      return ClickOutcome::OpenFailed;
    }
    m_OpenStage = 2;

    m_FilePath = detailIndexPath(folder, m_SecurityCode);
    files.openRecords(kDetailIndexFile, m_FilePath, kDetailRecordLength);
    if (files.length(kDetailIndexFile) == 0) {
      showMessage(u"MSG_0_02 資料燒錄錯誤 !");
      files.close(kKeyIndexFile);
      files.close(kDetailIndexFile);
      files.close(kHolderDataFile);
      return ClickOutcome::OpenFailed;
    }

    cmd_1.enabled = false;
    program_.showQueryWindow();
    return ClickOutcome::Done;
  } catch (const FileError& e) {
    showFileError(u"MSG_0_03 ", e.number(), e.description());
    if (m_OpenStage >= 1) {
      if (m_OpenStage == 2) files.close(kKeyIndexFile);
      files.close(kHolderDataFile);
    }
    return ClickOutcome::OpenFailed;
  }
}

}  // namespace kv884
