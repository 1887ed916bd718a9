#pragma once
// What the view tests share: one QApplication for the test program, dialogs that record instead
// of waiting for a person, and a desktop program with its start window shown.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gui/desktop_setup.hpp"
#include "gui/qt_ui.hpp"
#include "gui/query_view.hpp"
#include "gui/report_view.hpp"
#include "gui/start_view.hpp"
#include "querywin/query_window.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
    setUpDesktop(*app_, {});
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

struct ShownMessage {
  QString text;
  QString caption;
  bool informationIcon;
};

// Records each message box; the folder dialog answers with a prepared folder (empty: cancelled).
class RecordingDialogs : public Dialogs {
 public:
  void message(QWidget*, const QString& text, const QString& caption,
               bool informationIcon) override {
    messages.push_back({text, caption, informationIcon});
  }
  QString chooseFolder(QWidget*, const QString& title) override {
    folderTitles.push_back(title);
    return folderAnswer;
  }

  std::vector<ShownMessage> messages;
  std::vector<QString> folderTitles;
  QString folderAnswer;
};

template <typename Widget>
Widget* control(QWidget* view, const char* name) {
  Widget* found = view ? view->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
  if (!found) ADD_FAILURE() << "no control " << name;
  return found;
}

// Types text into a widget key by key, as a keyboard would, Chinese characters included.
inline void typeText(QWidget* widget, const QString& text) {
  for (QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

// Empties a text field by keyboard: select all, then delete.
inline void clearByKeyboard(QWidget* widget) {
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_Backspace);
}

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() {
    auto recorder = std::make_unique<RecordingDialogs>();
    dialogs = recorder.get();
    desktop.ui.setDialogs(std::move(recorder));
    desktop.ui.showWindow(WindowId::Start);
  }

  QWidget* start() { return desktop.ui.view(WindowId::Start); }
  QWidget* query() { return desktop.ui.view(WindowId::Query); }
  QWidget* report() { return desktop.ui.view(WindowId::Report); }

  void click(QWidget* view, const char* button) {
    QTest::mouseClick(control<QPushButton>(view, button), Qt::LeftButton);
  }

  // Types the folder into the start window's box and presses the open button.
  void openFolder(const std::filesystem::path& folder) {
    QLineEdit* box = control<QLineEdit>(start(), "tx_i_01");
    box->setFocus();
    clearByKeyboard(box);
    typeText(box, QString::fromStdString(folder.string()));
    click(start(), "cmd_1");
  }

  // Searches from the query window as a person would: kind picked, key typed, 查詢 pressed.
  void search(const QString& kind, const QString& key) {
    pick(kind);
    typeKey(key);
    click(query(), "cmd_1");
  }

  // Picks an item from the open list of the query window's combo box with the mouse.
  void pick(const QString& item) {
    QComboBox* combo = control<QComboBox>(query(), "comb_1");
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QRect itemRect = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.center());
  }

  // Replaces the key box text by keyboard, after reaching the box without the mouse.
  void typeKey(const QString& key) {
    QLineEdit* box = control<QLineEdit>(query(), "tx_i_01");
    box->setFocus(Qt::TabFocusReason);
    clearByKeyboard(box);
    typeText(box, key);
  }

  bool enabled(QWidget* view, const char* button) {
    return control<QPushButton>(view, button)->isEnabled();
  }
  QString boxText(QWidget* view, const char* box) { return control<QLineEdit>(view, box)->text(); }

  TempFolder temp;
  Desktop desktop;
  RecordingDialogs* dialogs{nullptr};
};

}  // namespace kv884::test
