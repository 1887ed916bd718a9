#pragma once
// What the view tests share: one QApplication for the test program, dialogs that record instead
// of waiting for a person, and the desktop program with its start window shown, driven by mouse
// and keyboard.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>
#include <memory>

#include "gui/desktop_setup.hpp"
#include "gui/qt_ui.hpp"
#include "support/temp_folder.hpp"

namespace kv884::test {

using namespace Qt::StringLiterals;

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

// Records each message box as "caption|icon or not|text"; the folder dialog records its title and
// answers with a prepared folder (empty: cancelled).
class RecordingDialogs : public Dialogs {
 public:
  void message(QWidget*, const QString& text, const QString& caption, bool icon) override {
    messages << caption + (icon ? "|i|" : "||") + text;
  }
  QString chooseFolder(QWidget*, const QString& title) override {
    messages << "folder dialog|" + title;
    return folderAnswer;
  }
  QStringList messages;
  QString folderAnswer;
};

template <typename Widget = QWidget>
Widget* control(QWidget* view, const char* name) {
  Widget* found = view ? view->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
  if (!found) ADD_FAILURE() << "no control " << name;
  return found;
}

// Replaces the text of a field by keyboard, Chinese characters included.
inline void typeInto(QWidget* field, const QString& text) {
  field->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Backspace);
  for (QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
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
  bool enabled(QWidget* view, const char* name) { return control(view, name)->isEnabled(); }
  QString text(QWidget* view, const char* box) { return control<QLineEdit>(view, box)->text(); }

  // Types a copy of the fixture set's folder into the start window's box and presses the open
  // button.
  void openFixture(const std::string& name = "basic") {
    const std::filesystem::path folder = copyFixture(name, temp.path());
    typeInto(control(start(), "tx_i_01"), QString::fromStdString(folder.string()));
    click(start(), "cmd_1");
    ASSERT_NE(query(), nullptr);
  }

  // Picks an item from the open list of the query window's combo box with the mouse.
  void pick(const QString& item) {
    auto* combo = control<QComboBox>(query(), "comb_1");
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QRect row = list->visualRect(list->model()->index(combo->findText(item), 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  }

  TempFolder temp;
  Desktop desktop;
  RecordingDialogs* dialogs{nullptr};
};

// The query window with the basic set, and the count report window beside it.
class OpenWindows : public DesktopTest {
 protected:
  void SetUp() override {
    openFixture();
    click(start(), "cmd_5");
    ASSERT_NE(report(), nullptr);
    QApplication::processEvents();
  }
};

}  // namespace kv884::test
