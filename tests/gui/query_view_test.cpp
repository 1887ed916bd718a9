// The query window driven through its widgets: searches fill the boxes as the fixtures expect,
// 次筆 is withdrawn only by a pick from the list or a mouse press into the key box, the key box
// takes 12 characters, and both ways of closing hand the data set back to the start window.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "dataset/data_paths.hpp"
#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

const char* const kBoxes[] = {"tx_o_01", "tx_o_19",   "tx_o_23", "tx_o_02", "tx_o_03",
                              "tx_o_04", "tx_o_04_x", "tx_o_05", "tx_o_18", "tx_o_11",
                              "tx_o_12", "tx_o_09",   "tx_o_24", "tx_o_pnt"};

QStringList readLines(const std::filesystem::path& file) {
  QFile in(QString::fromStdString(file.string()));
  if (!in.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class QueryViewTest : public DesktopTest {
 protected:
  void openFixture(const std::string& name) {
    openFolder(copyFixture(name, temp.path()));
    ASSERT_NE(query(), nullptr) << "the query window did not open";
  }

  // The window as a line of the expected output describes it.
  void expectState(const QJsonObject& expected, const std::string& where) {
    SCOPED_TRACE(where);
    if (expected.value(QStringLiteral("comb_1")).isNull()) return;
    EXPECT_EQ(control<QComboBox>(query(), "comb_1")->currentText(),
              expected.value(QStringLiteral("comb_1")).toString());
    EXPECT_EQ(boxText(query(), "tx_i_01"), expected.value(QStringLiteral("tx_i_01")).toString());
    const QJsonObject boxes = expected.value(QStringLiteral("boxes")).toObject();
    for (const char* box : kBoxes)
      EXPECT_EQ(boxText(query(), box), boxes.value(QString::fromLatin1(box)).toString()) << box;
    const QJsonObject buttons = expected.value(QStringLiteral("enabled")).toObject();
    for (const char* button : {"cmd_2", "cmd_5", "cmd_6"})
      EXPECT_EQ(enabled(query(), button), buttons.value(QString::fromLatin1(button)).toBool())
          << button;
    QStringList messages;
    for (const ShownMessage& m : dialogs->messages) messages << m.text;
    dialogs->messages.clear();
    QStringList expectedMessages;
    for (const QJsonValue& m : expected.value(QStringLiteral("messages")).toArray())
      expectedMessages << m.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(messages, expectedMessages);
  }

  // Performs one action of a replay script with the mouse and the keyboard.
  void perform(const QString& action) {
    const QString verb = action.section(QLatin1Char(' '), 0, 0);
    const QString rest = action.mid(verb.size() + 1);
    const char* button = verb == QLatin1String("search") ? "cmd_1"
                         : verb == QLatin1String("next") ? "cmd_2"
                         : verb == QLatin1String("prev") ? "cmd_5"
                         : verb == QLatin1String("fwd")  ? "cmd_6"
                                                         : nullptr;
    if (button) {
      click(query(), button);
    } else if (verb == QLatin1String("pick")) {
      pick(rest);
    } else if (verb == QLatin1String("key")) {
      typeKey(rest);
    } else if (verb == QLatin1String("kind")) {
      QLineEdit* field = control<QComboBox>(query(), "comb_1")->lineEdit();
      field->setFocus(Qt::TabFocusReason);
      clearByKeyboard(field);
      typeText(field, rest);
    } else if (verb == QLatin1String("clickkey")) {
      QTest::mouseClick(control<QLineEdit>(query(), "tx_i_01"), Qt::LeftButton);
    } else {
      FAIL() << "unknown action " << action.toStdString();
    }
  }

  void replay(const std::string& fixture, const std::string& script) {
    openFixture(fixture);
    const std::filesystem::path folder = fixturePath(fixture);
    const QStringList actions = readLines(folder / (script + ".replay"));
    const QStringList expected = readLines(folder / (script + ".expected.jsonl"));
    ASSERT_FALSE(expected.isEmpty());
    expectState(QJsonDocument::fromJson(expected[0].toUtf8()).object(), "after opening");
    int line = 1;
    for (const QString& action : actions) {
      if (action.isEmpty() || action.startsWith(QLatin1Char('#'))) continue;
      ASSERT_LT(line, expected.size());
      perform(action);
      expectState(QJsonDocument::fromJson(expected[line].toUtf8()).object(),
                  script + ": " + action.toStdString());
      ++line;
    }
  }
};

// Every box, the key controls, the three buttons and every message, action by action, for every
// replay script of the fixture data sets.
class FixtureReplay : public QueryViewTest,
                      public ::testing::WithParamInterface<std::pair<std::string, std::string>> {};

TEST_P(FixtureReplay, ThroughTheWidgetsGivesTheExpectedLines) {
  replay(GetParam().first, GetParam().second);
}

std::vector<std::pair<std::string, std::string>> replayScripts() {
  std::vector<std::pair<std::string, std::string>> scripts;
  for (const char* set : {"basic", "wide"})
    for (const auto& entry : std::filesystem::directory_iterator(fixturePath(set)))
      if (entry.path().extension() == ".replay")
        scripts.push_back({set, entry.path().stem().string()});
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

INSTANTIATE_TEST_SUITE_P(EveryScript, FixtureReplay, ::testing::ValuesIn(replayScripts()),
                         [](const auto& info) {
                           return info.param.first + "_" + info.param.second;
                         });

TEST_F(QueryViewTest, OnlyPickingOrClickingIntoTheKeyBoxWithdrawsNextMatch) {
  openFixture("wide");
  const QString id = QString::fromUtf16(u"依 統一編號");
  search(id, QString());
  ASSERT_TRUE(enabled(query(), "cmd_2"));

  typeKey(QStringLiteral("A"));
  EXPECT_TRUE(enabled(query(), "cmd_2")) << "typing into the key box";
  QLineEdit* kindField = control<QComboBox>(query(), "comb_1")->lineEdit();
  kindField->setFocus(Qt::TabFocusReason);
  typeText(kindField, QStringLiteral("x"));
  QTest::keyClick(kindField, Qt::Key_Return);
  EXPECT_TRUE(enabled(query(), "cmd_2")) << "typing into the kind's text field";

  pick(id);  // the kind already shown
  EXPECT_FALSE(enabled(query(), "cmd_2")) << "picking from the list";
  EXPECT_EQ(control<QComboBox>(query(), "comb_1")->currentText(), id);

  search(id, QString());
  ASSERT_TRUE(enabled(query(), "cmd_2"));
  QTest::mouseClick(control<QLineEdit>(query(), "tx_i_01"), Qt::LeftButton);
  EXPECT_FALSE(enabled(query(), "cmd_2")) << "a mouse press into the key box";
}

TEST_F(QueryViewTest, KeyBoxRefusesThe13thCharacter) {
  openFixture("basic");
  typeKey(QStringLiteral("ABCDEFGHIJKLM"));
  EXPECT_EQ(boxText(query(), "tx_i_01"), QStringLiteral("ABCDEFGHIJKL"));
  EXPECT_EQ(desktop.program.queryWindow()->tx_i_01.text, u"ABCDEFGHIJKL");
}

TEST_F(QueryViewTest, OpeningShowsTheWindowAndEndButtonAndCloseBoxBothHandTheDataSetBack) {
  const std::filesystem::path folder = copyFixture("basic", temp.path());
  for (const bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox ? "close box" : "結束");
    openFolder(folder);
    ASSERT_NE(query(), nullptr);
    EXPECT_FALSE(enabled(start(), "cmd_1"));
    EXPECT_TRUE(query()->isVisible());
    EXPECT_TRUE(query()->isMaximized());
    EXPECT_EQ(query()->focusWidget(), control<QLineEdit>(query(), "tx_i_01"));
    typeKey(QStringLiteral("B12"));
    QWidget* shown = query();
    if (byCloseBox)
      EXPECT_FALSE(shown->close()) << "the window is unloaded by the handler, not by Qt";
    else
      click(shown, "cmd_3");
    EXPECT_EQ(query(), nullptr);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(desktop.program.queryWindow(), nullptr);
    for (int file : {kHolderDataFile, kKeyIndexFile, kDetailIndexFile})
      EXPECT_FALSE(desktop.program.files.isOpen(file)) << file;
    EXPECT_TRUE(enabled(start(), "cmd_1"));
  }
  // A fresh window after reopening.
  click(start(), "cmd_1");
  ASSERT_NE(query(), nullptr);
  EXPECT_EQ(boxText(query(), "tx_i_01"), QString());
}

}  // namespace
}  // namespace kv884::test
