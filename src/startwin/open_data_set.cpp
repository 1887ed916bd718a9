// Reading the security descriptor and opening the data set for the query window.

#include "startwin/start_window.hpp"

namespace kv884 {

void StartWindow::ReadSecurityFile() {
  const DataSetOpening reading =
      readDescriptor(host_.files, tx_i_01.text,
                     {m_SecurityCode, host_.g_SecurityName, host_.g_DataDate, host_.g_DecimalFlag});
  m_FilePath = reading.path;
  m_ReadFailed = reading.end == OpeningEnd::Opened ? 0 : 1;
  if (m_ReadFailed == 1) showError(openingMessage(reading));
}

ClickOutcome StartWindow::cmd_1_Click() {
  if (!cmd_1.enabled) return ClickOutcome::Disabled;  // the data set is open in the query window
  ReadSecurityFile();
  if (m_ReadFailed == 1) return ClickOutcome::OpenFailed;
  const DataSetOpening opening = openDataFiles(host_.files, tx_i_01.text, m_SecurityCode);
  m_FilePath = opening.path;
  if (opening.end != OpeningEnd::Opened) {
    showError(openingMessage(opening));
    return ClickOutcome::OpenFailed;
  }
  cmd_1.enabled = false;
  host_.showQueryWindow();
  return ClickOutcome::Done;
}

}  // namespace kv884
