#pragma once
// A writable copy of a fixture with the program over it, opened through the start window
// and searched through the query window.

#include <filesystem>
#include <string>

#include "headless/headless_ui.hpp"
#include "platform/utf.hpp"
#include "querywin/query_window.hpp"
#include "startwin/program.hpp"
#include "support/temp_folder.hpp"
#include "support/window_snapshot.hpp"

namespace kv884::test {

inline const std::u16string kCaptionOf[5] = {u"", u"依 統一編號", u"依 帳號", u"依 戶號",
                                             u"依 中文戶名"};

class OpenedFixture {
 public:
  explicit OpenedFixture(const std::string& name = "basic") : program(ui) {
    set = copyFixture(name, temp.path());
    program.frm_0.tx_i_01.text = folderText();
  }

  // Presses the open button; true when the query window loaded.
  bool open() {
    program.frm_0.cmd_1_Click();
    return program.queryWindow() != nullptr;
  }
  QueryWindow& window() { return *program.queryWindow(); }
  std::u16string folderText() const { return fromUtf8(set.string()); }

  // Sets the kind caption (or kind 1 to 4) and the key, and presses 查詢.
  void search(const std::u16string& caption, const std::u16string& key) {
    window().comb_1.text = caption;
    window().tx_i_01.text = key;
    window().cmd_1_Click();
  }
  void search(int kind, const std::u16string& key) { search(kCaptionOf[kind], key); }

  TempFolder temp;
  std::filesystem::path set;
  HeadlessUi ui;
  Program program;
};

}  // namespace kv884::test
