// The count report: read afresh into the report window on every request.

#include "dataset/count_report.hpp"

#include "dataset/data_paths.hpp"
#include "platform/file_error.hpp"
#include "startwin/start_window.hpp"

namespace kv884 {

ClickOutcome StartWindow::cmd_5_Click() {
  ReadSecurityFile();
  if (m_ReadFailed == 1) return ClickOutcome::OpenFailed;

  FileTable& files = host_.files;
  try {
    m_FilePath = countReportPath(tx_i_01.text, m_SecurityCode);
    files.openInput(kCountReportFile, m_FilePath);
    requireReportLength(files.length(kCountReportFile));
    SequentialInput& in = files.input(kCountReportFile);
    TextBox& text = host_.reportText();
    text.text.clear();
    while (!in.atEnd()) {
      m_TextLine = readReportLine(in);
      text.text += reportWindowLine(m_TextLine);
    }
    files.close(kCountReportFile);
    host_.ui.showWindow(WindowId::Report);
    return ClickOutcome::Done;
  } catch (const FileError& e) {
    files.close(kCountReportFile);
    showError(fileErrorMessage(u"MSG_0_15 ", m_FilePath, e));
    return ClickOutcome::OpenFailed;
  }
}

}  // namespace kv884
